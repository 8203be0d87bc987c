#include "desktop/motion_window/trip_table_model.h"

#include "core/motion/record_texts.h"
#include "desktop/window/qt_text.h"

namespace lodarix {

TripTableModel::TripTableModel(const motion::MotionRecorder& record, QObject* parent)
    : CoreTableModel(motion::tripColumnHeadings(), parent)
    , record_(record)
{
    refresh();
}

void TripTableModel::refresh()
{
    const int count = static_cast<int>(record_.trips().size());
    const int shown = shownRows();
    if (count < shown) {
        beginResetModel();
        setShownRows(count);
        endResetModel();
        return;
    }
    // The last trip shown may have ended, or been cut short, since.
    if (shown > 0)
        emit dataChanged(index(shown - 1, 0), index(shown - 1, motion::TripColumnCount - 1));
    showRowsUpTo(count);
}

void TripTableModel::setStoreyHeight(motion::StoreyHeight height)
{
    height_ = height;
    if (shownRows() > 0)
        emit dataChanged(index(0, motion::MeanSpeedColumn),
                         index(shownRows() - 1, motion::MeanSpeedColumn));
}

QVariant TripTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shownRows())
        return {};
    if (role == Qt::TextAlignmentRole)
        return alignment(index.column() != motion::NoteColumn);
    if (role != Qt::DisplayRole)
        return {};
    const motion::Trip& trip = record_.trips().at(static_cast<std::size_t>(index.row()));
    return toQString(motion::tripRow(trip, height_).at(static_cast<std::size_t>(index.column())));
}

} // namespace lodarix
