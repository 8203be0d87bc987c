#include "core/texts/utf8.h"

namespace lodarix::texts {

std::optional<Utf8Character> decodeUtf8(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return Utf8Character{lead, 1};
    std::size_t bytes = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        bytes = 2;
        value = lead & 0x1F;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        bytes = 3;
        value = lead & 0x0F;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        bytes = 4;
        value = lead & 0x07;
        lowest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < bytes)
        return std::nullopt;
    for (std::size_t i = 1; i < bytes; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{value, bytes};
}

} // namespace lodarix::texts
