// Compact JSON written by hand, for the machine formats the faces share: the
// replay tool's state lines, the window description and the other facts the
// page is built from, and what the page's core hands its script. Texts are UTF-8 as they stand,
// with only '"', '\' and control characters escaped (\b \f \n \r \t, others as \u00xx).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lodarix::json {

// text as a JSON string, quotes included, at the end of out.
void appendString(std::string& out, std::string_view text);

// One object's members, written in the order given; the closing brace comes
// when it goes out of scope. Nest an object or write an array after key().
class Object {
public:
    explicit Object(std::string& out);
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object();

    // The member's name and colon; its value is to be appended to what it returns.
    std::string& key(std::string_view name);
    void text(std::string_view name, std::string_view value);
    void number(std::string_view name, int value);
    // A number that need not be whole, to 15 significant digits.
    void decimal(std::string_view name, double value);
    void boolean(std::string_view name, bool value);
    // The number, or null.
    void optionalNumber(std::string_view name, std::optional<int> value);

private:
    std::string& out_;
    bool first_ = true;
};

// One array's elements, written in the order given; the closing bracket
// comes when it goes out of scope. Nest an object or an array after next().
class Array {
public:
    explicit Array(std::string& out);
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;
    ~Array();

    // The separator before a new element; the element is to be appended to what it returns.
    std::string& next();
    void text(std::string_view value);
    void number(int value);

private:
    std::string& out_;
    bool first_ = true;
};

// value to 15 significant digits, as JSON reads it: 0.1 is "0.1", 3 is "3".
std::string decimalText(double value);

} // namespace lodarix::json
