// lodarix-page-facts: what the page takes from the core once, when it is
// built, rather than at every start: one JSON object, {form, storedForm,
// motionTexts, motionControls, pageTexts}: the window's description as it
// stands once loaded (what the page shows first) and as stored, the motion
// view's words and controls, and the page's own texts (web/form_export.h,
// web/motion_view_export.h, web/page_texts_export.h).

#include "web/form_export.h"
#include "web/motion_view_export.h"
#include "web/page_texts_export.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace lodarix::web;
    const std::string facts = "{\"form\":" + loadedFormDescriptionJson() + ",\"storedForm\":"
        + formDescriptionJson() + ",\"motionTexts\":" + motionTextsJson() + ",\"motionControls\":"
        + motionControlsJson() + ",\"pageTexts\":" + pageTextsJson() + "}\n";
    return std::fputs(facts.c_str(), stdout) < 0 ? 1 : 0;
}
