// What the page's code view takes from the core: its words
// (core/texts/code_view_texts.h), by the names of the core's constants, with
// the name of the form's code, and its facts: the colours of the code by
// kind and of its lit lines (core/program/code_style.h); each as one JSON
// object, so that the page writes none of them again.
#pragma once

#include <string>

namespace lodarix::web {

// {ShowCodeView, WindowTitle, ..., FormCodeName}: every text of the view.
std::string codeTextsJson();

// {colors: {plain, ground, keyword, name, literal, comment, ranLine,
// errorLine, marginGround, marginNumber}}, each "#RRGGBB".
std::string codeFactsJson();

} // namespace lodarix::web
