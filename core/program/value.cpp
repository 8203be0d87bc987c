#include "core/program/value.h"

#include "core/program/program_error.h"
#include "core/program/tokens.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace lodarix::program {

namespace {

constexpr std::int64_t IntegerMin = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t IntegerMax = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t LongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t LongMax = std::numeric_limits<std::int32_t>::max();

bool fitsInteger(std::int64_t n)
{
    return n >= IntegerMin && n <= IntegerMax;
}

bool fitsLong(std::int64_t n)
{
    return n >= LongMin && n <= LongMax;
}

// A number as arithmetic takes it: Integer or Long, Empty as 0, a Boolean as
// the Integer -1 or 0, a text that holds a whole number as a Long.
Value numeric(const Value& value)
{
    switch (value.type) {
    case Type::Integer:
    case Type::Long:
        return value;
    case Type::Empty:
    case Type::Boolean:
        return {Type::Integer, value.variant, value.number, {}};
    case Type::String: {
        std::int64_t n = 0;
        if (!parseWhole(value.text, n))
            raiseError(errors::TypeMismatch);
        if (!fitsLong(n))
            raiseError(errors::Overflow);
        return {fitsInteger(n) ? Type::Integer : Type::Long, value.variant, std::int32_t(n), {}};
    }
    case Type::Variant:
        break;
    }
    raiseError(errors::TypeMismatch);
}

// The result of arithmetic in the wider of the operands' types; a Variant's
// Integer result widens to Long, any other result that does not fit raises 6.
Value arithmeticResult(std::int64_t n, Type type, bool variant)
{
    if (type == Type::Integer && fitsInteger(n))
        return {Type::Integer, variant, std::int32_t(n), {}};
    if ((type == Type::Long || variant) && fitsLong(n))
        return {Type::Long, variant, std::int32_t(n), {}};
    raiseError(errors::Overflow);
}

Type wider(const Value& a, const Value& b)
{
    return a.type == Type::Long || b.type == Type::Long ? Type::Long : Type::Integer;
}

int compare(const Value& left, const Value& right)
{
    const bool leftText = left.type == Type::String;
    const bool rightText = right.type == Type::String;
    if ((leftText || left.type == Type::Empty) && (rightText || right.type == Type::Empty)
        && (leftText || rightText)) {
        const int order = left.text.compare(right.text);
        return (order > 0) - (order < 0);
    }
    if (leftText != rightText && left.variant && right.variant)
        return leftText ? 1 : -1; // a Variant's number sorts before a Variant's text
    const std::int64_t a = numeric(left).number;
    const std::int64_t b = numeric(right).number;
    return (a > b) - (a < b);
}

Value bitwise(Operator op, const Value& left, const Value& right)
{
    if (left.type == Type::Boolean && right.type == Type::Boolean) {
        const bool a = left.number != 0;
        const bool b = right.number != 0;
        Value result = Value::boolean(op == Operator::And ? a && b : a || b);
        result.variant = left.variant || right.variant;
        return result;
    }
    const Value a = numeric(left);
    const Value b = numeric(right);
    const std::int32_t n = op == Operator::And ? (a.number & b.number) : (a.number | b.number);
    return {wider(a, b), a.variant || b.variant, n, {}};
}

} // namespace

bool parseWhole(std::string_view text, std::int64_t& number)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12)
        return false;
    std::int64_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
    }
    number = negative ? -n : n;
    return true;
}

Value convertTo(Type type, const Value& value)
{
    switch (type) {
    case Type::Variant: {
        Value stored = value;
        stored.variant = true;
        return stored;
    }
    case Type::Integer:
        return Value::integer(toInteger(value));
    case Type::Long:
        return Value::longValue(toLong(value));
    case Type::Boolean:
        return Value::boolean(toBoolean(value));
    case Type::String:
        return Value::string(toText(value));
    case Type::Empty:
        break;
    }
    return value;
}

std::int16_t toInteger(const Value& value)
{
    const Value n = numeric(value);
    if (!fitsInteger(n.number))
        raiseError(errors::Overflow);
    return std::int16_t(n.number);
}

std::int32_t toLong(const Value& value)
{
    return numeric(value).number;
}

bool toBoolean(const Value& value)
{
    if (value.type == Type::String) {
        if (sameName(value.text, "True"))
            return true;
        if (sameName(value.text, "False"))
            return false;
    }
    return numeric(value).number != 0;
}

std::string toText(const Value& value)
{
    switch (value.type) {
    case Type::Empty:
        return {};
    case Type::Boolean:
        return value.number ? "True" : "False";
    case Type::Integer:
    case Type::Long:
        return std::to_string(value.number);
    case Type::String:
        return value.text;
    case Type::Variant:
        break;
    }
    return {};
}

namespace {

Value joined(std::string left, const std::string& right, bool variant)
{
    if (left.size() + right.size() > MaxTextBytes)
        raiseError(errors::OutOfStringSpace);
    Value result = Value::string(std::move(left.append(right)));
    result.variant = variant;
    return result;
}

} // namespace

Value apply(Operator op, const Value& left, const Value& right)
{
    const bool variant = left.variant || right.variant;
    switch (op) {
    case Operator::Concatenate:
        return joined(toText(left), toText(right), variant);
    case Operator::Add:
        if (left.type == Type::String && right.type == Type::String)
            return joined(left.text, right.text, variant);
        [[fallthrough]];
    case Operator::Subtract:
    case Operator::Multiply:
    case Operator::IntegerDivide:
    case Operator::Modulo: {
        const Value a = numeric(left);
        const Value b = numeric(right);
        const std::int64_t x = a.number;
        const std::int64_t y = b.number;
        if ((op == Operator::IntegerDivide || op == Operator::Modulo) && y == 0)
            raiseError(errors::DivisionByZero);
        const std::int64_t n = op == Operator::Add ? x + y
            : op == Operator::Subtract             ? x - y
            : op == Operator::Multiply             ? x * y
            : op == Operator::IntegerDivide        ? x / y
                                                   : x % y;
        return arithmeticResult(n, wider(a, b), variant);
    }
    case Operator::Equal:
        return Value::boolean(compare(left, right) == 0);
    case Operator::NotEqual:
        return Value::boolean(compare(left, right) != 0);
    case Operator::Less:
        return Value::boolean(compare(left, right) < 0);
    case Operator::Greater:
        return Value::boolean(compare(left, right) > 0);
    case Operator::LessOrEqual:
        return Value::boolean(compare(left, right) <= 0);
    case Operator::GreaterOrEqual:
        return Value::boolean(compare(left, right) >= 0);
    case Operator::And:
    case Operator::Or:
        return bitwise(op, left, right);
    }
    raiseError(errors::TypeMismatch);
}

Value negate(const Value& value)
{
    const Value n = numeric(value);
    return arithmeticResult(-std::int64_t(n.number), n.type, n.variant);
}

Value logicalNot(const Value& value)
{
    if (value.type == Type::Boolean) {
        Value result = Value::boolean(value.number == 0);
        result.variant = value.variant;
        return result;
    }
    const Value n = numeric(value);
    return {n.type, n.variant, ~n.number, {}};
}

} // namespace lodarix::program
