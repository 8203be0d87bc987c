#include "desktop/tables/core_table_model.h"

#include "desktop/window/qt_text.h"

namespace lodarix {

CoreTableModel::CoreTableModel(std::span<const std::string_view> headings, QObject* parent)
    : QAbstractTableModel(parent)
    , headings_(headings)
{
}

int CoreTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

int CoreTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant CoreTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= static_cast<int>(headings_.size()))
        return {};
    return toQString(headings_[static_cast<std::size_t>(section)]);
}

void CoreTableModel::showRowsUpTo(int count)
{
    if (count > shown_) {
        beginInsertRows({}, shown_, count - 1);
        shown_ = count;
        endInsertRows();
    }
}

QVariant CoreTableModel::alignment(bool number)
{
    return QVariant::fromValue(number ? Qt::AlignRight | Qt::AlignVCenter
                                      : Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace lodarix
