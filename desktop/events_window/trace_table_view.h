// The trace's table as the keyboard moves through it: the arrow keys go
// row by row, Home and End to the first and the last row, Page Up and Page
// Down by a page; Enter asks for the current row to be read out. Rows have
// one height and columns the widths set once, so that a row added to a long
// trace costs the table no measuring.
#pragma once

#include <QTableView>

namespace lodarix {

class TraceTableView : public QTableView {
    Q_OBJECT

public:
    explicit TraceTableView(QWidget* parent = nullptr);

    // Column widths for texts like samples, one a column.
    void setColumnSamples(const QStringList& samples);
    // Whether the newest row is in view, so that a new row should be too.
    bool showsNewest() const;

signals:
    void rowReadRequested();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace lodarix
