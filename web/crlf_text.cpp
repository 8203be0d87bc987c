#include "web/crlf_text.h"

namespace lodarix::web {

namespace {

constexpr std::size_t RoomForALine = 256;

// The length of the UTF-8 sequence that starts at text[at], or 0 when none
// does (a stray continuation byte, an overlong form, a surrogate, past U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

// True when text, written at the end of a box, reads back byte for byte as
// itself: valid UTF-8 (the page's strings are Unicode) whose only line ends
// are CR LF pairs.
bool readsBackAsWritten(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '\r') {
            if (at + 1 == text.size() || text[at + 1] != '\n')
                return false;
            at += 2;
        } else if (c == '\n') {
            return false;
        } else {
            const std::size_t length = sequenceLength(text, at);
            if (length == 0)
                return false;
            at += length;
        }
    }
    return true;
}

} // namespace

std::string toBoxText(std::string_view crLfText)
{
    std::string lf;
    lf.reserve(crLfText.size());
    for (std::size_t at = 0; at < crLfText.size(); ++at) {
        if (crLfText[at] != '\r') {
            lf += crLfText[at];
            continue;
        }
        lf += '\n';
        if (at + 1 < crLfText.size() && crLfText[at + 1] == '\n')
            ++at;
    }
    return lf;
}

std::string fromBoxText(std::string_view lfText)
{
    std::string crLf;
    crLf.reserve(lfText.size() + lfText.size() / 8 + RoomForALine);
    for (const char c : lfText) {
        if (c == '\n')
            crLf += '\r';
        crLf += c;
    }
    return crLf;
}

void CrLfText::checkUserEdit(LfTextBox& box)
{
    if (box.takeUserEdit()) {
        copy_.clear();
        copyValid_ = false;
    }
}

std::string CrLfText::read(LfTextBox& box)
{
    checkUserEdit(box);
    if (!copyValid_) {
        copy_ = fromBoxText(box.text());
        copyValid_ = true;
    }
    // Room for a line more, so that a reader who appends one and writes the
    // text back does not have the whole text copied again to grow it.
    std::string text;
    text.reserve(copy_.size() + RoomForALine);
    text.append(copy_);
    return text;
}

void CrLfText::write(LfTextBox& box, const std::string& text)
{
    checkUserEdit(box);
    const std::string_view written(text);
    if (copyValid_ && written.starts_with(copy_)) {
        const std::string_view tail = written.substr(copy_.size());
        if (readsBackAsWritten(tail)) {
            box.append(toBoxText(tail));
            copy_.append(tail);
            return;
        }
    }
    box.replace(toBoxText(text));
    copyValid_ = readsBackAsWritten(text);
    copy_ = copyValid_ ? text : std::string();
}

} // namespace lodarix::web
