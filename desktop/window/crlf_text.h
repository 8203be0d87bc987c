// The whole text of a plain-text box as the trip rules read and write it:
// CR LF line ends, though the box itself holds plain line feeds. The rules
// read the whole text and write it back whole with a line more, so both are
// kept cheap however long the text grows: a copy of the CR LF form is kept
// beside the box and read from there, and a write that extends what the box
// holds inserts only the new tail at its end. The copy is dropped whenever
// the text changes by other hands (typing, pasting, undo) and rebuilt from
// the box at the next read.
//
// Either way a write leaves what converting the whole text and replacing the
// box's text with it leaves: the same text reads back, lone CR or LF and all;
// the undo history ends there; the box shows its newest line. Only the
// user's cursor and selection outlive an append, where a replacement puts the
// cursor at the end.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <string>
#include <string_view>

class QPlainTextEdit;
class QTextDocument;

namespace lodarix {

class CrLfText : public QObject {
    Q_OBJECT

public:
    // The one kept beside box, made at the first use; it goes with the box.
    static CrLfText& of(QPlainTextEdit& box);

    // The box's whole text with CR LF line ends.
    std::string read();
    // Replaces the box's whole text with text, whose CR LF pairs become line
    // feeds. Returns what the box newly shows, with line feeds: what text adds
    // at the end of the box's text, or all of text when it adds nothing there.
    QString write(const std::string& text);

private:
    explicit CrLfText(QPlainTextEdit& box);

    QString replace(const std::string& text);
    QString append(std::string_view tail);
    void showNewestLine();
    void forgetCopy();
    void watch(QTextDocument* document);

    QPlainTextEdit& box_;
    QPointer<QTextDocument> watched_;
    std::string copy_;
    bool copyValid_ = false;
    // The box holds exactly what writing copy_ would put there, so a write
    // that extends copy_ may append its tail.
    bool appendable_ = false;
    bool writing_ = false;
};

} // namespace lodarix
