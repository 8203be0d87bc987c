// Reads the form's code into a Program: tokens, then the tree, with every
// name bound. Throws ProgramError (a reading error, number 0) at the first
// fault, with its line; nesting deeper than MaxNesting is one.
#pragma once

#include "core/program/syntax.h"

#include <string_view>

namespace lodarix::program {

inline constexpr int MaxNesting = 64;

Program read(std::string_view source);

} // namespace lodarix::program
