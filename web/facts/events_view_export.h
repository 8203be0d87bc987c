// What the page's events view takes from the core: its words
// (core/texts/events_view_texts.h), by the names of the core's constants,
// and its facts: the table's column headings and which columns hold
// numbers, and the guide's example scripts; each as one JSON object, so
// that the page writes none of them again.
#pragma once

#include <string>

namespace lodarix::web {

// {ShowEventsView, WindowTitle, TraceChoice, ...}: every text of the view.
std::string eventsTextsJson();

// {columns: {headings, numbers: [column, ...]}, examples: [{name, fileName, text}]}.
std::string eventsFactsJson();

} // namespace lodarix::web
