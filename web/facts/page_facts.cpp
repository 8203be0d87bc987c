// lodarix-page-facts: what the page takes from the core once, when it is
// built, rather than at every start: one JSON object, {form, storedForm,
// motionTexts, motionControls, motionGraph, help, keys, screenTexts,
// eventsTexts, eventsFacts, codeTexts, codeFacts, editingTexts, pageTexts}: the window's
// description as it stands once loaded (what the page shows first) and as
// stored, the motion view's words, controls and graphs, the short help and
// the keys the page binds, the page's screen controls' words, the events
// view's and the code view's words and facts, the words of editing the
// form's code, and the page's own texts for
// its start (form_export.h, motion_view_export.h, help_export.h,
// events_view_export.h, code_view_export.h, page_texts_export.h).

#include "core/json/json_object.h"
#include "web/facts/code_view_export.h"
#include "web/facts/events_view_export.h"
#include "web/facts/form_export.h"
#include "web/facts/help_export.h"
#include "web/facts/motion_view_export.h"
#include "web/facts/page_texts_export.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace lodarix::web;
    std::string facts;
    {
        lodarix::json::Object object(facts);
        object.key("form") += loadedFormDescriptionJson();
        object.key("storedForm") += formDescriptionJson();
        object.key("motionTexts") += motionTextsJson();
        object.key("motionControls") += motionControlsJson();
        object.key("motionGraph") += motionGraphJson();
        object.key("help") += helpJson();
        object.key("keys") += pageKeysJson();
        object.key("screenTexts") += screenTextsJson();
        object.key("eventsTexts") += eventsTextsJson();
        object.key("eventsFacts") += eventsFactsJson();
        object.key("codeTexts") += codeTextsJson();
        object.key("codeFacts") += codeFactsJson();
        object.key("editingTexts") += editingTextsJson();
        object.key("pageTexts") += pageTextsJson();
    }
    facts += '\n';
    return std::fputs(facts.c_str(), stdout) < 0 ? 1 : 0;
}
