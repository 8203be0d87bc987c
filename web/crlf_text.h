// The whole text of one of the page's text boxes as the trip rules read and
// write it: CR LF line ends, though the box itself keeps plain line feeds
// (and turns a lone CR into one). The rules read the whole text and write it
// back whole with a line more, so both stay cheap however long the text
// grows: a copy of the CR LF form is kept here and read from, and a write
// that extends the copy hands the box only the new tail to append. The copy
// is dropped when the user has changed the text, and rebuilt from the box at
// the next read.
//
// Either way a write leaves what converting the whole text and replacing the
// box's text with it leaves, and the same text reads back.
#pragma once

#include <string>
#include <string_view>

namespace lodarix::web {

// A text box of the page, as CrLfText reaches it; each call may throw
// lift::RunTimeError when the box is not there.
class LfTextBox {
public:
    virtual ~LfTextBox() = default;
    // The whole text, line feeds only.
    virtual std::string text() = 0;
    virtual void replace(const std::string& lfText) = 0;
    virtual void append(const std::string& lfText) = 0;
    // True when the user changed the text since the last call.
    virtual bool takeUserEdit() = 0;

protected:
    LfTextBox() = default;
    LfTextBox(const LfTextBox&) = default;
    LfTextBox& operator=(const LfTextBox&) = default;
};

// The box's text as it holds it: CR LF pairs and lone CRs become line feeds.
std::string toBoxText(std::string_view crLfText);
// Line feeds become CR LF pairs.
std::string fromBoxText(std::string_view lfText);

class CrLfText {
public:
    // The box's whole text with CR LF line ends.
    std::string read(LfTextBox& box);
    // Replaces the box's whole text with text.
    void write(LfTextBox& box, const std::string& text);

private:
    void checkUserEdit(LfTextBox& box);

    std::string copy_;
    bool copyValid_ = false;
};

} // namespace lodarix::web
