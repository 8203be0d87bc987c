#include "desktop/events_window/trace_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace lodarix {

TraceTableView::TraceTableView(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
}

void TraceTableView::setColumnSamples(const QStringList& samples)
{
    for (int column = 0; column < samples.size(); ++column) {
        const int text = fontMetrics().horizontalAdvance(samples.at(column));
        const QString heading =
            model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
        const int headingWidth = horizontalHeader()->fontMetrics().horizontalAdvance(heading);
        setColumnWidth(column, std::max(text, headingWidth) + 16);
    }
}

bool TraceTableView::showsNewest() const
{
    const QScrollBar* bar = verticalScrollBar();
    return bar->value() >= bar->maximum();
}

QModelIndex TraceTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const int rows = model() ? model()->rowCount() : 0;
    if ((action == MoveHome || action == MoveEnd) && rows > 0) {
        const int column = std::max(currentIndex().column(), 0);
        return model()->index(action == MoveHome ? 0 : rows - 1, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void TraceTableView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit rowReadRequested();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace lodarix
