// The form's code, read-only, in a monospace font that grows with the editor
// so that the whole code fits it, as a board needs; its lines numbered in a
// margin on the left; the line that ran last lit across the whole width, and
// the line of an error that stopped the program lit in the error's colour;
// the line that runs next, when the code waits, marked in the margin.
// Lines count from 1, as the core counts them.
#pragma once

#include <QPlainTextEdit>

class QPainter;

namespace lodarix {

class CodeEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CodeEditor(QWidget* parent = nullptr);

    void setSource(const QString& source);
    // The line lit as the one that ran, brought into view; 0 for none.
    void setRanLine(int line);
    int ranLine() const { return ranLine_; }
    // The line marked as the next to run, brought into view; 0 for none.
    void setNextLine(int line);
    int nextLine() const { return nextLine_; }
    // The line lit as the error's; 0 for none.
    void setErrorLine(int line);
    int errorLine() const { return errorLine_; }
    int marginWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class LineNumberMargin;

    void paintMargin(QPaintEvent* event);
    void paintNextMark(QPainter& painter, int top, int height);
    void fitFont();
    void bringIntoView(int line);
    void updateMargin();
    void updateLit();

    QWidget* margin_;
    int ranLine_ = 0;
    int errorLine_ = 0;
    int nextLine_ = 0;
};

} // namespace lodarix
