#include "core/workbook/sheet_name.h"

#include "core/workbook/xml_text.h"

#include <stdexcept>
#include <string>

namespace lodarix::workbook {

namespace {

char32_t folded(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    if (c >= U'\u0410' && c <= U'\u042F') // А to Я
        return c + 0x20;
    if (c >= U'\u0400' && c <= U'\u040F') // Ѐ to Џ
        return c + 0x50;
    return c;
}

std::u32string folded(std::string_view name)
{
    std::u32string points = codePoints(name);
    for (char32_t& c : points)
        c = folded(c);
    return points;
}

} // namespace

bool isSheetName(std::string_view name)
{
    std::u32string points;
    try {
        points = codePoints(name);
    } catch (const std::invalid_argument&) {
        return false;
    }
    std::size_t units = 0;
    for (const char32_t c : points) {
        if (c < 0x20 || c == 0x7F
            || std::u32string_view(U"[]:*?/\\").find(c) != std::u32string_view::npos)
            return false;
        units += c >= 0x10000 ? 2 : 1;
    }
    return units >= 1 && units <= 31 && points.front() != U'\'' && points.back() != U'\''
        && !sameSheetName(name, "History");
}

bool sameSheetName(std::string_view a, std::string_view b)
{
    return folded(a) == folded(b);
}

} // namespace lodarix::workbook
