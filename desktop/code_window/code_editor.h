// The form's code in a monospace font that grows with the editor so that
// the whole code fits it, as a board needs; its lines numbered in a margin
// on the left; the line that ran last lit across the whole width, and the
// line of an error that stopped the program lit in the error's colour; the
// line that runs next, when the code waits, marked in the margin; the line
// where a comparison found a difference lit in its own colour. Read-only
// until made editable: then Tab and Shift+Tab indent and unindent the
// lines touched by four spaces, one step of the undo history each, and
// Escape, then Tab, leaves it; a reading error's column is marked and the
// caret put there. Lines and columns count from 1, as the core counts them.
#pragma once

#include <QPlainTextEdit>

class QPainter;

namespace lodarix {

class CodeEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CodeEditor(QWidget* parent = nullptr);

    void setSource(const QString& source);
    // Editable or read-only; the accessible name and description follow.
    void setEditable(bool editable);
    bool editable() const { return !isReadOnly(); }
    // The line lit as the one that ran, brought into view; 0 for none.
    void setRanLine(int line);
    int ranLine() const { return ranLine_; }
    // The line marked as the next to run, brought into view; 0 for none.
    void setNextLine(int line);
    int nextLine() const { return nextLine_; }
    // The line lit as the error's; 0 for none.
    void setErrorLine(int line);
    int errorLine() const { return errorLine_; }
    // The line lit as where a comparison found the programs part; 0 for none.
    void setDifferenceLine(int line);
    int differenceLine() const { return differenceLine_; }
    // A reading error at line and column (in characters; 0 where unknown):
    // the line lit, the column marked and the caret there; 0, 0 for none.
    void setErrorMark(int line, int column);
    int errorColumn() const { return errorColumn_; }
    int marginWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class LineNumberMargin;

    void paintMargin(QPaintEvent* event);
    void paintNextMark(QPainter& painter, int top, int height);
    void fitFont();
    void bringIntoView(int line);
    void updateMargin();
    void updateLit();
    // Each line the selection touches moved as program::indentLines moves it.
    void indentLines(bool outwards);
    // The cursor at the error's column, or a null one.
    QTextCursor errorCursor() const;

    QWidget* margin_;
    int ranLine_ = 0;
    int errorLine_ = 0;
    int nextLine_ = 0;
    int errorColumn_ = 0;
    int differenceLine_ = 0;
    bool escaped_ = false; // Escape came last: Tab leaves
};

} // namespace lodarix
