// Compact JSON written by hand, for the machine formats the faces share: the
// replay tool's state lines and the window description the page is built
// from. Texts are UTF-8 as they stand, with only '"', '\' and control
// characters escaped (\b \f \n \r \t, others as \u00xx).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace json {

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
    void boolean(std::string_view name, bool value);
    // The number, or null.
    void optionalNumber(std::string_view name, std::optional<int> value);

private:
    std::string& out_;
    bool first_ = true;
};

} // namespace json
