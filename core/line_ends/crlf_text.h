// The whole text of a text box as the trip rules read and write it: CR LF
// line ends, though a box on the screen holds plain line feeds. A line end
// is CR LF, a lone CR or a lone LF; the box shows each as a line feed, so
// each reads back as CR LF.
//
// The rules read the whole text and write it back whole with a line more, so
// both stay cheap however long the text grows: a copy of the CR LF form is
// kept here and read from, and a write that extends the copy hands the box
// only the new tail to append. The copy is dropped whenever other hands
// change the box (typing, pasting, undo), and rebuilt from the box at the
// next read. Either way a write leaves in the box what converting the whole
// text and replacing the box's text with it leaves, and the same text reads
// back.
//
// Each face adapts its own box to LineFeedBox: a Qt text edit on the
// desktop, the page's box through its controls object in the browser.
#pragma once

#include <string>
#include <string_view>

namespace lodarix {

// A text box as CrLfText reaches it. A call may throw (the page's box throws
// lift::RunTimeError when it is not there).
class LineFeedBox {
public:
    virtual ~LineFeedBox() = default;

    // The whole text as the box reads it out, line feeds only.
    virtual std::string text() = 0;
    // False while the box holds characters that text() gave in another form
    // (a box that reads a no-break space as a blank, say).
    virtual bool heldAsRead() { return true; }
    virtual void replace(const std::string& lfText) = 0;
    virtual void append(const std::string& lfText) = 0;
    // True when other hands changed the text since the last call.
    virtual bool takeUserEdit() = 0;
    // Whether the box keeps the character as written: one that it converts,
    // splits its text at, or keeps apart from the text, it does not.
    virtual bool keeps(char32_t /*character*/) const { return true; }

protected:
    LineFeedBox() = default;
    LineFeedBox(const LineFeedBox&) = default;
    LineFeedBox& operator=(const LineFeedBox&) = default;
};

// The text as a box holds it: each line end a line feed.
std::string toLineFeeds(std::string_view crLfText);
// Line feeds become CR LF.
std::string toCrLf(std::string_view lfText);

class CrLfText {
public:
    // The box's whole text with CR LF line ends.
    std::string read(LineFeedBox& box);
    // Replaces the box's whole text with text. Returns what the box newly
    // shows, with line feeds: what text adds at the end of the text last
    // read or written, or all of text when it adds nothing there or the box
    // was changed by other hands since.
    std::string write(LineFeedBox& box, const std::string& text);

private:
    std::string replace(LineFeedBox& box, const std::string& text);
    void checkUserEdit(LineFeedBox& box);
    void forgetCopy();

    std::string copy_;
    bool copyValid_ = false;
    // The box holds exactly what writing copy_ would put there, so a write
    // that extends copy_ may append its tail.
    bool appendable_ = false;
};

} // namespace lodarix
