#include "core/line_ends/crlf_text.h"

#include "core/texts/utf8.h"

#include <optional>

namespace lodarix {

namespace {

constexpr std::size_t RoomForALine = 256;

// True when text, written at the end of the box, reads back byte for byte as
// itself: valid UTF-8 whose only line ends are CR LF pairs, with no
// character the box does not keep.
bool readsBackAsWritten(std::string_view text, const LineFeedBox& box)
{
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            at += 2;
            continue;
        }
        const auto character = texts::decodeUtf8(text, at);
        if (!character || character->codePoint == '\r' || character->codePoint == '\n'
            || !box.keeps(character->codePoint))
            return false;
        at += character->bytes;
    }
    return true;
}

// How much of lfText the line-feed form of crLfText makes up when lfText
// starts with it; none otherwise.
std::optional<std::size_t> lineFeedPrefix(std::string_view lfText, std::string_view crLfText)
{
    std::size_t at = 0;
    for (std::size_t from = 0; from < crLfText.size(); ++from, ++at) {
        const char c = crLfText[from];
        const bool lineEnd = c == '\r';
        if (lineEnd && from + 1 < crLfText.size() && crLfText[from + 1] == '\n')
            ++from;
        if (at == lfText.size() || lfText[at] != (lineEnd ? '\n' : c))
            return std::nullopt;
    }
    return at;
}

} // namespace

std::string toLineFeeds(std::string_view crLfText)
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

std::string toCrLf(std::string_view lfText)
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

std::string CrLfText::read(LineFeedBox& box)
{
    checkUserEdit(box);
    if (!copyValid_) {
        copy_ = toCrLf(box.text());
        appendable_ = box.heldAsRead();
        copyValid_ = true;
    }
    // Room for a line more, so that a reader who appends one and writes the
    // text back does not have the whole text copied again to grow it.
    std::string text;
    text.reserve(copy_.size() + RoomForALine);
    text.append(copy_);
    return text;
}

std::string CrLfText::write(LineFeedBox& box, const std::string& text)
{
    checkUserEdit(box);
    const std::string_view written(text);
    if (copyValid_ && appendable_ && written.starts_with(copy_)
        && (copy_.empty() || copy_.back() != '\r')) {
        const std::string_view tail = written.substr(copy_.size());
        if (readsBackAsWritten(tail, box)) {
            std::string added = toLineFeeds(tail);
            box.append(added);
            copy_.append(tail);
            return tail.empty() ? toLineFeeds(written) : added; // the same text shown anew
        }
    }
    return replace(box, text);
}

std::string CrLfText::replace(LineFeedBox& box, const std::string& text)
{
    std::string boxText = toLineFeeds(text);
    // Known without asking the box: what it reads out is the copy's
    // line-feed form, or else taken to be unlike the new text.
    const auto kept = copyValid_ ? lineFeedPrefix(boxText, copy_) : std::nullopt;
    std::string shown = kept && *kept < boxText.size() ? boxText.substr(*kept) : boxText;
    box.replace(boxText);
    if (readsBackAsWritten(text, box)) {
        copy_ = text;
        copyValid_ = appendable_ = true;
    } else {
        forgetCopy();
    }
    return shown;
}

void CrLfText::checkUserEdit(LineFeedBox& box)
{
    if (box.takeUserEdit())
        forgetCopy();
}

void CrLfText::forgetCopy()
{
    copy_.clear();
    copyValid_ = appendable_ = false;
}

} // namespace lodarix
