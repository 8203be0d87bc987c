// The browser page's own texts (core/texts/page_texts.h), by the names of
// the core's constants, as one JSON object, so that the page's start-up
// check and its notice write none of them again.
#pragma once

#include <string>

namespace lodarix::web {

// {TooOld, Missing, StartFailed, Reason, WhatToDo, NeedsWebAssembly, ...}.
std::string pageTextsJson();

} // namespace lodarix::web
