#include "core/program/program_error.h"

#include "core/texts/number_texts.h"
#include "core/texts/program_texts.h"

namespace lodarix::program {

namespace {

std::string_view runTimeText(int number)
{
    switch (number) {
    case errors::InvalidCall:
        return texts::RunErrorInvalidCall;
    case errors::Overflow:
        return texts::RunErrorOverflow;
    case errors::SubscriptOutOfRange:
        return texts::RunErrorSubscript;
    case errors::DivisionByZero:
        return texts::RunErrorDivisionByZero;
    case errors::TypeMismatch:
        return texts::RunErrorTypeMismatch;
    case errors::OutOfStringSpace:
        return texts::RunErrorStringSpace;
    case errors::TooManyStatements:
        return texts::RunErrorTooManyStatements;
    case errors::TooDeep:
        return texts::RunErrorTooDeep;
    case errors::InvalidPropertyValue:
        return texts::RunErrorPropertyValue;
    case errors::NoSuchProperty:
        return texts::RunErrorNoSuchProperty;
    default:
        return texts::RunErrorOther;
    }
}

} // namespace

ProgramError::ProgramError(int number)
    : lift::FormCodeFailure(std::string(runTimeText(number)))
    , number_(number)
{
}

ProgramError::ProgramError(int line, const std::string& text)
    : ProgramError(line, 0, text)
{
}

ProgramError::ProgramError(int line, int column, const std::string& text)
    : lift::FormCodeFailure(text)
    , number_(0)
    , line_(line)
    , column_(column)
{
}

void ProgramError::setPlace(std::string procedure, int line)
{
    procedure_ = std::move(procedure);
    line_ = line;
}

void raiseError(int number)
{
    throw ProgramError(number);
}

std::string programErrorReport(const ProgramError& error)
{
    const std::string line = std::to_string(error.line());
    if (error.number() == 0 && error.column() > 0)
        return texts::fill(texts::ReadErrorAtColumnReport,
                           {line, std::to_string(error.column()), error.what()});
    if (error.number() == 0)
        return texts::fill(texts::ReadErrorReport, {line, error.what()});
    return texts::fill(texts::RunErrorReport,
                       {std::to_string(error.number()), error.procedure(), line, error.what()});
}

} // namespace lodarix::program
