// lodarix-page-facts: what the page takes from the core once, when it is
// built, rather than at every start: one JSON object, {form, storedForm,
// motionTexts, motionControls}: the window's description as it stands once
// loaded (what the page shows first) and as stored, and the motion view's
// words and controls (web/form_export.h, web/motion_view_export.h).

#include "web/form_export.h"
#include "web/motion_view_export.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace lodarix::web;
    const std::string facts = "{\"form\":" + loadedFormDescriptionJson()
        + ",\"storedForm\":" + formDescriptionJson() + ",\"motionTexts\":" + motionTextsJson()
        + ",\"motionControls\":" + motionControlsJson() + "}\n";
    return std::fputs(facts.c_str(), stdout) < 0 ? 1 : 0;
}
