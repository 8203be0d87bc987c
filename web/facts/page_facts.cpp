// lodarix-page-facts: what the page takes from the core once, when it is
// built, rather than at every start: one JSON object, {form, storedForm,
// motionTexts, motionControls, motionGraph, pageTexts}: the window's
// description as it stands once loaded (what the page shows first) and as
// stored, the motion view's words, controls and graphs, and the page's own
// texts (form_export.h, motion_view_export.h, page_texts_export.h).

#include "web/facts/form_export.h"
#include "web/facts/motion_view_export.h"
#include "web/facts/page_texts_export.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace lodarix::web;
    const std::string facts = "{\"form\":" + loadedFormDescriptionJson()
        + ",\"storedForm\":" + formDescriptionJson() + ",\"motionTexts\":" + motionTextsJson()
        + ",\"motionControls\":" + motionControlsJson() + ",\"motionGraph\":" + motionGraphJson()
        + ",\"pageTexts\":" + pageTextsJson() + "}\n";
    return std::fputs(facts.c_str(), stdout) < 0 ? 1 : 0;
}
