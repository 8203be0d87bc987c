#include "core/program/program_file.h"

#include "core/texts/program_texts.h"
#include "core/texts/utf8.h"

namespace lodarix::program {

std::variant<std::string, NotAProgram> programText(std::string_view bytes)
{
    if (bytes.size() > MaxFileBytes)
        return NotAProgram{std::string(texts::FileTooLarge)};
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto character = texts::decodeUtf8(bytes, at);
        if (!character)
            return NotAProgram{std::string(texts::FileNotText)};
        const char32_t c = character->codePoint;
        if (c < 0x20 && c != '\n' && c != '\r' && c != '\t')
            return NotAProgram{std::string(texts::FileNotText)};
        if (c == '\r') {
            text += '\n';
            if (at + 1 < bytes.size() && bytes[at + 1] == '\n')
                ++at;
        } else {
            text.append(bytes.substr(at, character->bytes));
        }
        at += character->bytes;
    }
    return text;
}

} // namespace lodarix::program
