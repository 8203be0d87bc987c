// lodarix-page-facts: what the page takes from the core once, when it is
// built, rather than at every start: one JSON object, {form, storedForm,
// motionTexts, motionControls, motionGraph, help, screenTexts}: the window's
// description as it stands once loaded (what the page shows first) and as
// stored, the motion view's words, controls and graphs, the short help and
// the page's screen controls' words (form_export.h, motion_view_export.h,
// help_export.h).

#include "web/facts/form_export.h"
#include "web/facts/help_export.h"
#include "web/facts/motion_view_export.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace lodarix::web;
    const std::string facts = "{\"form\":" + loadedFormDescriptionJson()
        + ",\"storedForm\":" + formDescriptionJson() + ",\"motionTexts\":" + motionTextsJson()
        + ",\"motionControls\":" + motionControlsJson() + ",\"motionGraph\":" + motionGraphJson()
        + ",\"help\":" + helpJson() + ",\"screenTexts\":" + screenTextsJson() + "}\n";
    return std::fputs(facts.c_str(), stdout) < 0 ? 1 : 0;
}
