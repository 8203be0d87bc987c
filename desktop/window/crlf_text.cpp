#include "desktop/window/crlf_text.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace lodarix {

namespace {

constexpr std::size_t RoomForALine = 256;

// Characters that a box converts on reading, splits the text at, or keeps
// apart from it: text holding one is written the slow, exact way.
bool isSpecial(char16_t c)
{
    if (c < 0x20)
        return c != u'\t';
    return (c >= 0x7F && c <= 0xA0)     // DEL, C1 controls, no-break space
        || c == 0x2028 || c == 0x2029   // line and paragraph separators
        || (c >= 0xFDD0 && c <= 0xFDEF) // frame marks among the noncharacters
        || c == 0xFEFF || c >= 0xFFF0;  // byte order mark, object replacement, specials
}

// The text with CR LF line ends as the box holds it, and back.
QString toBoxText(std::string_view crLfText)
{
    return QString::fromUtf8(crLfText.data(), static_cast<qsizetype>(crLfText.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string fromBoxText(const QString& boxText)
{
    return QString(boxText).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

// True when text, written at the end of a box, reads back byte for byte as
// itself: valid UTF-8 whose only line ends are CR LF pairs, with none of the
// special characters.
bool readsBackAsWritten(std::string_view text)
{
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (decoded.toUtf8() != QByteArrayView(text.data(), static_cast<qsizetype>(text.size())))
        return false; // not valid UTF-8
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded.at(i).unicode();
        if (c == u'\r' && i + 1 < decoded.size() && decoded.at(i + 1) == u'\n')
            ++i;
        else if (isSpecial(c))
            return false;
    }
    return true;
}

} // namespace

CrLfText& CrLfText::of(QPlainTextEdit& box)
{
    if (auto* kept = box.findChild<CrLfText*>(QString(), Qt::FindDirectChildrenOnly))
        return *kept;
    return *new CrLfText(box);
}

CrLfText::CrLfText(QPlainTextEdit& box)
    : QObject(&box)
    , box_(box)
{
    watch(box.document());
}

std::string CrLfText::read()
{
    watch(box_.document());
    if (!copyValid_) {
        const QTextDocument& document = *box_.document();
        copy_ = fromBoxText(document.toPlainText());
        QString held = document.toRawText();
        held.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        appendable_ = held == toBoxText(copy_);
        copyValid_ = true;
    }
    // Room for a line more, so that a reader who appends one and writes the
    // text back does not have the whole text copied again to grow it.
    std::string text;
    text.reserve(copy_.size() + RoomForALine);
    text.append(copy_);
    return text;
}

QString CrLfText::write(const std::string& text)
{
    watch(box_.document());
    const std::string_view written(text);
    if (copyValid_ && appendable_ && written.starts_with(copy_)
        && (copy_.empty() || copy_.back() != '\r')) {
        const std::string_view tail = written.substr(copy_.size());
        if (readsBackAsWritten(tail)) {
            const QString added = append(tail);
            return tail.empty() ? toBoxText(written) : added; // the same text shown anew
        }
    }
    return replace(text);
}

QString CrLfText::replace(const std::string& text)
{
    const QString boxText = toBoxText(text);
    // The text read before it is compared only when it may be a beginning of the new one.
    const QTextDocument& document = *box_.document();
    const bool extends = boxText.size() > document.characterCount() - 1
        && boxText.startsWith(document.toPlainText());
    const QString shown = extends ? boxText.sliced(document.characterCount() - 1) : boxText;
    {
        const QScopedValueRollback<bool> own(writing_, true);
        box_.setPlainText(boxText);
        box_.moveCursor(QTextCursor::End);
        box_.ensureCursorVisible();
    }
    showNewestLine();
    if (readsBackAsWritten(text)) {
        copy_ = text;
        copyValid_ = appendable_ = true;
    } else {
        forgetCopy();
    }
    return shown;
}

QString CrLfText::append(std::string_view tail)
{
    const QString added = toBoxText(tail);
    {
        const QScopedValueRollback<bool> own(writing_, true);
        QTextDocument& document = *box_.document();
        const bool undoRedo = document.isUndoRedoEnabled();
        document.setUndoRedoEnabled(false); // ends the history, as a replacement does
        QTextCursor end(&document);
        end.movePosition(QTextCursor::End);
        end.insertText(added);
        document.setUndoRedoEnabled(undoRedo);
    }
    copy_.append(tail);
    showNewestLine();
    return added;
}

void CrLfText::showNewestLine()
{
    QScrollBar* bar = box_.verticalScrollBar();
    bar->setValue(bar->maximum());
}

void CrLfText::forgetCopy()
{
    copy_.clear();
    copyValid_ = appendable_ = false;
}

void CrLfText::watch(QTextDocument* document)
{
    if (watched_ == document)
        return;
    if (watched_)
        disconnect(watched_, nullptr, this, nullptr);
    watched_ = document;
    forgetCopy();
    connect(document, &QTextDocument::contentsChange, this, [this] {
        if (!writing_)
            forgetCopy();
    });
}

} // namespace lodarix
