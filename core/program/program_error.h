// An error that stops the form's code, as its runtime raised it: the number,
// and where it came (the procedure and the line), which the machine fills in
// as the error leaves the statement. Reading errors have number 0, and the
// column (in characters, from 1) where the reader stopped, where it knows it.
#pragma once

#include "core/lift/form_state.h"

#include <string>

namespace lodarix::program {

namespace errors {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int OutOfStringSpace = 14;
inline constexpr int TooManyStatements = 18;
inline constexpr int TooDeep = 28;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int NoSuchProperty = 438;
} // namespace errors

class ProgramError : public lift::FormCodeFailure {
public:
    // A running error; its text is the runtime's for that number.
    explicit ProgramError(int number);
    // A reading error at line (and column, 0 where not known), with its own text.
    ProgramError(int line, const std::string& text);
    ProgramError(int line, int column, const std::string& text);

    int number() const { return number_; }
    int line() const { return line_; }
    int column() const { return column_; }
    const std::string& procedure() const { return procedure_; }
    void setPlace(std::string procedure, int line);

private:
    int number_;
    int line_ = 0;
    int column_ = 0;
    std::string procedure_;
};

// Throws the running error of that number.
[[noreturn]] void raiseError(int number);

// "Грешка 9 в Timer1_Timer, ред 27: Индексът е извън обхвата" and the like.
std::string programErrorReport(const ProgramError& error);

} // namespace lodarix::program
