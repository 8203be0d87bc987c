#include "desktop/motion_window/trip_table_model.h"

#include "core/motion/record_texts.h"
#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
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
        emit dataChanged(index(shown_ - 1, 0), index(shown_ - 1, ColumnCount - 1));
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
        emit dataChanged(index(0, MeanSpeed), index(shown_ - 1, MeanSpeed));
}

int TripTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

int TripTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TripTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shown_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == State ? Qt::AlignLeft | Qt::AlignVCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const motion::Trip& trip = record_.trips().at(static_cast<std::size_t>(index.row()));
    switch (index.column()) {
    case Number:
        return trip.number;
    case From:
        return trip.startFloor;
    case To:
        return trip.finalStop;
    case Floors:
        return trip.floorsTravelled;
    case Time:
        return toQString(texts::seconds(trip.durationMs));
    case MeanSpeed:
        return toQString(motion::meanSpeedText(trip, height_));
    case State:
        return toQString(motion::tripNote(trip));
    default:
        return {};
    }
}

QVariant TripTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case Number:
        return toQString(motion_texts::NumberColumn);
    case From:
        return toQString(motion_texts::FromColumn);
    case To:
        return toQString(motion_texts::ToColumn);
    case Floors:
        return toQString(motion_texts::FloorsColumn);
    case Time:
        return toQString(motion_texts::TimeColumn);
    case MeanSpeed:
        return toQString(motion_texts::MeanSpeedColumn);
    case State:
        return toQString(motion_texts::NoteColumn);
    default:
        return {};
    }
}

} // namespace lodarix
