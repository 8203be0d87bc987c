#include "desktop/code_window/code_editor.h"

#include "core/program/code_style.h"
#include "core/program/indent.h"
#include "core/texts/editing_texts.h"
#include "core/texts/program_texts.h"
#include "desktop/window/color_style.h"
#include "desktop/window/qt_text.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <QTextBlock>

#include <algorithm>
#include <utility>

namespace lodarix {

namespace {

constexpr int SmallestPixels = 12;
constexpr int LargestPixels = 40;
constexpr int MarginPadding = 6;
// Room for the next line's mark before the numbers.
constexpr int MarkRoom = 10;

} // namespace

class LineNumberMargin : public QWidget {
public:
    explicit LineNumberMargin(CodeEditor& editor)
        : QWidget(&editor)
        , editor_(editor)
    {
    }

    QSize sizeHint() const override { return {editor_.marginWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_.paintMargin(event); }

private:
    CodeEditor& editor_;
};

CodeEditor::CodeEditor(QWidget* parent)
    : QPlainTextEdit(parent)
    , margin_(new LineNumberMargin(*this))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setEditable(false);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(SmallestPixels);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, toQColor(program::code_style::Ground));
    colours.setColor(QPalette::Text, toQColor(program::code_style::Plain));
    setPalette(colours);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &CodeEditor::updateMargin);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            margin_->scroll(0, dy);
        else
            margin_->update(0, rect.y(), margin_->width(), rect.height());
    });
    updateMargin();
}

void CodeEditor::setEditable(bool editable)
{
    setReadOnly(!editable);
    setTextInteractionFlags(editable ? Qt::TextEditorInteraction
                                     : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(!editable);
    setAccessibleName(toQString(editable ? editing_texts::EditorName : texts::FormCodeName));
    setAccessibleDescription(editable ? toQString(editing_texts::EditorKeys) : QString());
    escaped_ = false;
}

void CodeEditor::setSource(const QString& source)
{
    ranLine_ = 0;
    errorLine_ = 0;
    errorColumn_ = 0;
    differenceLine_ = 0;
    nextLine_ = 0;
    setPlainText(source);
    fitFont();
    updateLit();
}

void CodeEditor::setRanLine(int line)
{
    ranLine_ = line;
    updateLit();
    bringIntoView(line);
}

void CodeEditor::setNextLine(int line)
{
    nextLine_ = line;
    margin_->update();
    bringIntoView(line);
}

void CodeEditor::setErrorLine(int line)
{
    errorLine_ = line;
    errorColumn_ = 0;
    updateLit();
    viewport()->update();
    bringIntoView(line);
}

void CodeEditor::setDifferenceLine(int line)
{
    differenceLine_ = line;
    updateLit();
    if (const QTextBlock block = document()->findBlockByNumber(line - 1);
        line > 0 && block.isValid() && !editable()) {
        setTextCursor(QTextCursor(block));
        ensureCursorVisible();
    }
}

void CodeEditor::setErrorMark(int line, int column)
{
    errorLine_ = line;
    errorColumn_ = line > 0 ? column : 0;
    updateLit();
    viewport()->update();
    if (line <= 0)
        return;
    QTextCursor at = errorCursor();
    if (at.isNull())
        at = QTextCursor(document()->findBlockByNumber(line - 1));
    if (at.block().isValid()) {
        setTextCursor(at);
        ensureCursorVisible();
    }
}

QTextCursor CodeEditor::errorCursor() const
{
    const QTextBlock block = document()->findBlockByNumber(errorLine_ - 1);
    if (errorLine_ <= 0 || errorColumn_ <= 0 || !block.isValid())
        return {};
    // Columns count characters; a pair of surrogates is one.
    const QString text = block.text();
    int at = 0;
    for (int column = 1; column < errorColumn_ && at < text.size(); ++column)
        at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + at);
    return cursor;
}

void CodeEditor::bringIntoView(int line)
{
    // While the pupil edits, the caret stays where the pupil put it.
    if (editable())
        return;
    if (const QTextBlock block = document()->findBlockByNumber(line - 1);
        line > 0 && block.isValid()) {
        setTextCursor(QTextCursor(block));
        ensureCursorVisible();
    }
}

int CodeEditor::marginWidth() const
{
    const int digits = static_cast<int>(QString::number(std::max(1, blockCount())).size());
    return 2 * MarginPadding + MarkRoom
        + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void CodeEditor::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    fitFont();
    const QRect inside = contentsRect();
    margin_->setGeometry(inside.left(), inside.top(), marginWidth(), inside.height());
}

void CodeEditor::fitFont()
{
    const QStringList lines = toPlainText().split(QLatin1Char('\n'));
    qsizetype longest = 1;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    QFont fitted = font();
    // A monospace character is about 0.6 of its pixel size wide; the margin's
    // digits and the frame take about six more.
    const QRect inside = contentsRect();
    const int byHeight = inside.height() * 10 / (12 * static_cast<int>(lines.size() + 1));
    const int byWidth = inside.width() * 10 / (6 * static_cast<int>(longest + 6));
    const int pixels = std::clamp(std::min(byHeight, byWidth), SmallestPixels, LargestPixels);
    if (pixels == fitted.pixelSize())
        return;
    fitted.setPixelSize(pixels);
    setFont(fitted);
    margin_->setFont(fitted);
    updateMargin();
}

void CodeEditor::updateMargin()
{
    setViewportMargins(marginWidth(), 0, 0, 0);
    const QRect inside = contentsRect();
    margin_->setGeometry(inside.left(), inside.top(), marginWidth(), inside.height());
    margin_->update();
}

void CodeEditor::keyPressEvent(QKeyEvent* event)
{
    const bool escaped = std::exchange(escaped_, false);
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!editable() || !tab || (event->modifiers() & ~Qt::ShiftModifier)) {
        escaped_ = editable() && event->key() == Qt::Key_Escape;
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const bool back = event->key() == Qt::Key_Backtab || event->modifiers() == Qt::ShiftModifier;
    if (escaped)
        QAbstractScrollArea::focusNextPrevChild(!back); // its own keeps Tab while editable
    else
        indentLines(back);
    event->accept();
}

void CodeEditor::indentLines(bool outwards)
{
    QTextCursor cursor = textCursor();
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    QTextBlock last = document()->findBlock(cursor.selectionEnd());
    // A selection that ends at a line's start leaves that line be.
    if (cursor.hasSelection() && last != first && cursor.selectionEnd() == last.position())
        last = last.previous();
    QStringList lines;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        lines << block.text();
        if (block == last)
            break;
    }
    const QString moved = QString::fromStdString(
        program::indentLines(lines.join(QLatin1Char('\n')).toStdString(), outwards));
    const int start = first.position();
    const int end = last.position() + last.length() - 1;
    const bool selected = cursor.hasSelection();
    const int caret = cursor.position();
    QTextCursor edit(document());
    edit.setPosition(start);
    edit.setPosition(end, QTextCursor::KeepAnchor);
    edit.insertText(moved);
    // The lines stay selected, or the caret keeps its place in its line.
    if (selected) {
        edit.setPosition(start);
        edit.setPosition(start + int(moved.size()), QTextCursor::KeepAnchor);
    } else {
        edit.setPosition(std::max(start, caret + int(moved.size()) - (end - start)));
    }
    setTextCursor(edit);
}

void CodeEditor::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    const QTextCursor at = errorCursor();
    if (at.isNull())
        return;
    // A bar before the error's column and a wedge under it, in the mark's colour.
    const QRect place = cursorRect(at);
    QPainter painter(viewport());
    const QColor mark = toQColor(program::code_style::ErrorColumn);
    painter.fillRect(QRect(place.left() - 1, place.top(), 3, place.height()), mark);
    const int size = std::max(3, place.height() / 4);
    const QPoint wedge[] = {{place.left(), place.bottom() - size},
                            {place.left() - size, place.bottom() + 1},
                            {place.left() + size, place.bottom() + 1}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark);
    painter.drawPolygon(wedge, 3);
}

void CodeEditor::updateLit()
{
    QList<QTextEdit::ExtraSelection> lit;
    const auto light = [this, &lit](int line, lift::Rgb ground) {
        const QTextBlock block = document()->findBlockByNumber(line - 1);
        if (line <= 0 || !block.isValid())
            return;
        QTextEdit::ExtraSelection selection;
        selection.format.setBackground(toQColor(ground));
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        selection.cursor = QTextCursor(block);
        lit.append(selection);
    };
    light(differenceLine_, program::code_style::DifferenceLine);
    light(ranLine_, program::code_style::RanLine);
    light(errorLine_, program::code_style::ErrorLine);
    if (QTextCursor at = errorCursor(); !at.isNull() && !at.atBlockEnd()) {
        QTextEdit::ExtraSelection column;
        column.format.setBackground(toQColor(program::code_style::ErrorColumn));
        column.format.setForeground(toQColor(program::code_style::Ground));
        at.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        column.cursor = at;
        lit.append(column);
    }
    setExtraSelections(lit);
    margin_->update();
}

void CodeEditor::paintNextMark(QPainter& painter, int top, int height)
{
    const int size = std::max(4, height / 3);
    const int middle = top + height / 2;
    const QPoint corners[] = {{1, middle - size}, {1, middle + size}, {1 + size, middle}};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(program::code_style::NextLineMark));
    painter.drawPolygon(corners, 3);
    painter.restore();
}

void CodeEditor::paintMargin(QPaintEvent* event)
{
    QPainter painter(margin_);
    painter.fillRect(event->rect(), toQColor(program::code_style::MarginGround));
    painter.setPen(toQColor(program::code_style::MarginNumber));
    painter.setFont(font());
    QTextBlock block = firstVisibleBlock();
    auto top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const auto height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top()) {
            painter.drawText(0, top, margin_->width() - MarginPadding, height, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
            if (block.blockNumber() + 1 == nextLine_)
                paintNextMark(painter, top, height);
        }
        block = block.next();
        top += height;
    }
}

} // namespace lodarix
