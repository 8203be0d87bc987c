#include "desktop/motion_window/trip_table_model.h"

#include "core/motion/record_texts.h"
#include "desktop/window/qt_text.h"

namespace lodarix {

TripTableModel::TripTableModel(const motion::MotionRecorder& record, QObject* parent)
    : QAbstractTableModel(parent)
    , record_(record)
{
    refresh();
}

void TripTableModel::refresh()
{
    const int count = static_cast<int>(record_.trips().size());
    if (count < shown_) {
        beginResetModel();
        shown_ = count;
        endResetModel();
        return;
    }
    // The last trip shown may have ended, or been cut short, since.
    if (shown_ > 0)
        emit dataChanged(index(shown_ - 1, 0), index(shown_ - 1, motion::TripColumnCount - 1));
    if (count > shown_) {
        beginInsertRows({}, shown_, count - 1);
        shown_ = count;
        endInsertRows();
    }
}

void TripTableModel::setStoreyHeight(motion::StoreyHeight height)
{
    height_ = height;
    if (shown_ > 0)
        emit dataChanged(index(0, motion::MeanSpeedColumn),
                         index(shown_ - 1, motion::MeanSpeedColumn));
}

int TripTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

int TripTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : motion::TripColumnCount;
}

QVariant TripTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shown_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == motion::NoteColumn
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const motion::Trip& trip = record_.trips().at(static_cast<std::size_t>(index.row()));
    return toQString(motion::tripRow(trip, height_).at(static_cast<std::size_t>(index.column())));
}

QVariant TripTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= motion::TripColumnCount)
        return {};
    return toQString(motion::tripColumnHeadings()[static_cast<std::size_t>(section)]);
}

} // namespace lodarix
