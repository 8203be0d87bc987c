#include "core/json/json_object.h"

#include "core/texts/number_texts.h"

namespace lodarix::json {

void appendString(std::string& out, std::string_view text)
{
    constexpr std::string_view Hex = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += Hex[byte >> 4];
                out += Hex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

Object::Object(std::string& out)
    : out_(out)
{
    out_ += '{';
}

Object::~Object()
{
    out_ += '}';
}

std::string& Object::key(std::string_view name)
{
    if (!first_)
        out_ += ',';
    first_ = false;
    appendString(out_, name);
    out_ += ':';
    return out_;
}

void Object::text(std::string_view name, std::string_view value)
{
    appendString(key(name), value);
}

void Object::number(std::string_view name, int value)
{
    key(name) += std::to_string(value);
}

void Object::decimal(std::string_view name, double value)
{
    key(name) += decimalText(value);
}

void Object::boolean(std::string_view name, bool value)
{
    key(name) += value ? "true" : "false";
}

void Object::optionalNumber(std::string_view name, std::optional<int> value)
{
    key(name) += value ? std::to_string(*value) : "null";
}

Array::Array(std::string& out)
    : out_(out)
{
    out_ += '[';
}

Array::~Array()
{
    out_ += ']';
}

std::string& Array::next()
{
    if (!first_)
        out_ += ',';
    first_ = false;
    return out_;
}

void Array::text(std::string_view value)
{
    appendString(next(), value);
}

void Array::number(int value)
{
    next() += std::to_string(value);
}

std::string decimalText(double value)
{
    return texts::pointGeneral(value, 15);
}

} // namespace lodarix::json
