// What the page's code view takes from the core: its words
// (core/texts/code_view_texts.h), by the names of the core's constants, with
// the name of the form's code, the words of editing it, and its facts: the
// colours of the code by kind and of its lit lines
// (core/program/code_style.h), the size of a program file, and the stored
// states the editor's runs put the window back to; each as one JSON object,
// so that the page writes none of them again.
#pragma once

#include <string>

namespace lodarix::web {

// {ShowCodeView, WindowTitle, ..., FormCodeName}: every text of the view.
std::string codeTextsJson();

// {Edit, EditTip, ..., CannotOpen}: every text of editing the form's code
// (core/texts/editing_texts.h).
std::string editingTextsJson();

// {colors: {plain, ground, keyword, name, literal, comment, ranLine,
// errorLine, marginGround, marginNumber}, each "#RRGGBB"; maxFileBytes, the
// most of a file that is read as a program; storedStates, the window's
// controls as stored where the load changes them (form_export.h)}.
std::string codeFactsJson();

} // namespace lodarix::web
