#include "desktop/motion_window/trip_table_view.h"

#include "core/texts/motion_window_texts.h"
#include "desktop/motion_window/trip_table_model.h"
#include "desktop/window/qt_text.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace lodarix {

QTableView* makeTripTable(TripTableModel& trips, QWidget* parent)
{
    auto* table = new QTableView(parent);
    table->setObjectName(QStringLiteral("tripTable"));
    table->setAccessibleName(toQString(motion_texts::Trips));
    table->setModel(&trips);
    QObject::connect(&trips, &TripTableModel::rowsInserted, table, &QTableView::scrollToBottom);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setTabKeyNavigation(false);
    table->setMinimumWidth(table->horizontalHeader()->length() + 2 * table->frameWidth()
                           + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    return table;
}

} // namespace lodarix
