#include "desktop/window/plain_text_box.h"

#include "desktop/window/qt_text.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace lodarix {

PlainTextBox& PlainTextBox::of(QPlainTextEdit& box)
{
    if (auto* kept = box.findChild<PlainTextBox*>(QString(), Qt::FindDirectChildrenOnly))
        return *kept;
    return *new PlainTextBox(box);
}

PlainTextBox::PlainTextBox(QPlainTextEdit& box)
    : QObject(&box)
    , box_(box)
{
    watch(box.document());
}

std::string PlainTextBox::read()
{
    watch(box_.document());
    return text_.read(*this);
}

QString PlainTextBox::write(const std::string& text)
{
    watch(box_.document());
    return toQString(text_.write(*this, text));
}

std::string PlainTextBox::text()
{
    const QTextDocument& document = *box_.document();
    const QString plain = document.toPlainText();
    QString held = document.toRawText();
    held.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    heldAsRead_ = held == plain;
    return plain.toStdString();
}

void PlainTextBox::replace(const std::string& lfText)
{
    {
        const QScopedValueRollback<bool> own(writing_, true);
        box_.setPlainText(toQString(lfText));
        box_.moveCursor(QTextCursor::End);
        box_.ensureCursorVisible();
    }
    showNewestLine();
}

void PlainTextBox::append(const std::string& lfText)
{
    {
        const QScopedValueRollback<bool> own(writing_, true);
        QTextDocument& document = *box_.document();
        const bool undoRedo = document.isUndoRedoEnabled();
        document.setUndoRedoEnabled(false); // ends the history, as a replacement does
        QTextCursor end(&document);
        end.movePosition(QTextCursor::End);
        end.insertText(toQString(lfText));
        document.setUndoRedoEnabled(undoRedo);
    }
    showNewestLine();
}

bool PlainTextBox::takeUserEdit()
{
    return std::exchange(edited_, false);
}

// Characters that the box converts on reading, splits the text at, or keeps
// apart from it.
bool PlainTextBox::keeps(char32_t c) const
{
    if (c < 0x20)
        return c == U'\t';
    return !((c >= 0x7F && c <= 0xA0)          // DEL, C1 controls, no-break space
             || c == 0x2028 || c == 0x2029     // line and paragraph separators
             || (c >= 0xFDD0 && c <= 0xFDEF)   // frame marks among the noncharacters
             || c == 0xFEFF                    // byte order mark
             || (c >= 0xFFF0 && c <= 0xFFFF)); // object replacement, specials
}

void PlainTextBox::showNewestLine()
{
    QScrollBar* bar = box_.verticalScrollBar();
    bar->setValue(bar->maximum());
}

void PlainTextBox::watch(QTextDocument* document)
{
    if (watched_ == document)
        return;
    if (watched_)
        disconnect(watched_, nullptr, this, nullptr);
    watched_ = document;
    edited_ = true;
    connect(document, &QTextDocument::contentsChange, this, [this] {
        if (!writing_)
            edited_ = true;
    });
}

} // namespace lodarix
