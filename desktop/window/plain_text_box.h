// A QPlainTextEdit as the core's CrLfText reaches it (core/line_ends): the
// box's text read and written with CR LF line ends. One is kept beside each
// box that the rules write, made at the first use; it hears of every change
// to the box's document by other hands (typing, pasting, undo, a new
// document), so that the text kept for the rules is read anew after one.
//
// A write ends the undo history, as a replacement does, and the box shows
// its newest line; only the user's cursor and selection outlive an append,
// where a replacement puts the cursor at the end.
#pragma once

#include "core/line_ends/crlf_text.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <string>

class QPlainTextEdit;
class QTextDocument;

namespace lodarix {

class PlainTextBox : public QObject, private LineFeedBox {
    Q_OBJECT

public:
    // The one kept beside box; it goes with the box.
    static PlainTextBox& of(QPlainTextEdit& box);

    // The box's whole text with CR LF line ends.
    std::string read();
    // Replaces the box's whole text with text; returns what the box newly
    // shows (see CrLfText::write).
    QString write(const std::string& text);

private:
    explicit PlainTextBox(QPlainTextEdit& box);

    std::string text() override;
    bool heldAsRead() override { return heldAsRead_; }
    void replace(const std::string& lfText) override;
    void append(const std::string& lfText) override;
    bool takeUserEdit() override;
    bool keeps(char32_t character) const override;

    void showNewestLine();
    void watch(QTextDocument* document);

    QPlainTextEdit& box_;
    QPointer<QTextDocument> watched_;
    CrLfText text_;
    bool heldAsRead_ = true;
    bool edited_ = false;
    bool writing_ = false;
};

} // namespace lodarix
