// The values of the form's code, as its runtime held them: a 16-bit Integer,
// a 32-bit Long, a Boolean (True is -1), a String, or Empty (a Variant never
// assigned). A value read from a Variant, or made by arithmetic on one, is
// marked so: such arithmetic widens an Integer that overflows to a Long,
// where typed arithmetic raises error 6. There is no floating point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lodarix::program {

enum class Type : std::uint8_t { Empty, Boolean, Integer, Long, String, Variant };

struct Value {
    Type type = Type::Empty; // never Variant: that is a variable's type only
    bool variant = false;
    std::int32_t number = 0; // Boolean (0 or -1), Integer, Long
    std::string text;        // String

    static Value integer(std::int32_t number) { return {Type::Integer, false, number, {}}; }
    static Value longValue(std::int32_t number) { return {Type::Long, false, number, {}}; }
    static Value boolean(bool value) { return {Type::Boolean, false, value ? -1 : 0, {}}; }
    static Value string(std::string text) { return {Type::String, false, 0, std::move(text)}; }

    bool isNumeric() const { return type != Type::String; }
    friend bool operator==(const Value&, const Value&) = default;
};

// The longest text the form's code may make, in bytes: 16 MiB. A longer one
// raises error 14, so that a loop that doubles a text stops as an error.
inline constexpr std::size_t MaxTextBytes = std::size_t{1} << 24;

// The value stored into a variable of that type: converted, or marked as a
// Variant's. Raises error 13 (a text that is no number), error 6 (too large).
Value convertTo(Type type, const Value& value);
// As a 16-bit Integer, for an index or an argument (errors 13 and 6).
std::int16_t toInteger(const Value& value);
std::int32_t toLong(const Value& value);
bool toBoolean(const Value& value);
// As CStr writes it: "True", "-5", "" for Empty.
std::string toText(const Value& value);

enum class Operator : std::uint8_t {
    Add,
    Subtract,
    Multiply,
    IntegerDivide,
    Modulo,
    Concatenate,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessOrEqual,
    GreaterOrEqual,
    And,
    Or,
};

Value apply(Operator op, const Value& left, const Value& right);
Value negate(const Value& value);
Value logicalNot(const Value& value);

// A whole decimal number as the form's code writes it, with an optional sign
// and blanks around it; none when the text is not one.
bool parseWhole(std::string_view text, std::int64_t& number);

} // namespace lodarix::program
