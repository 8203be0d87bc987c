// The form's code as tokens: names (keywords among them, matched without
// regard to case by the reader), whole numbers, strings, symbols and the ends
// of lines. Comments are dropped. A token knows its line and its column,
// counted from 1, the column in characters.
#pragma once

#include "core/program/value.h"

#include <string>
#include <string_view>
#include <vector>

namespace lodarix::program {

enum class TokenKind : std::uint8_t { Name, Literal, Symbol, EndOfLine, EndOfFile };

struct Token {
    TokenKind kind;
    int line;
    int column;
    std::string text; // a name or a symbol as written
    Value literal;    // a number or a string
};

// Throws ProgramError (a reading error) at the first thing that is no token.
std::vector<Token> tokenize(std::string_view source);

// Whether name is word, ignoring the case of ASCII letters.
bool sameName(std::string_view name, std::string_view word);
// Whether name is a word of the language (True and False among them), which
// names nothing the code declares.
bool isKeyword(std::string_view name);

} // namespace lodarix::program
