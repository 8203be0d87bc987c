#include "desktop/events_window/trace_table_model.h"

#include "core/trace/trace_texts.h"
#include "desktop/window/qt_text.h"

namespace lodarix {

TraceTableModel::TraceTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void TraceTableModel::setTrace(const trace::EventTrace* trace)
{
    beginResetModel();
    trace_ = trace;
    shown_ = trace ? static_cast<int>(trace->size()) : 0;
    endResetModel();
}

void TraceTableModel::refresh()
{
    const int count = trace_ ? static_cast<int>(trace_->size()) : 0;
    if (count > shown_) {
        beginInsertRows({}, shown_, count - 1);
        shown_ = count;
        endInsertRows();
    }
}

int TraceTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

int TraceTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : trace::TraceColumnCount;
}

QVariant TraceTableModel::data(const QModelIndex& index, int role) const
{
    if (!trace_ || !index.isValid() || index.row() >= shown_)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<trace::TraceColumn>(index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool number = column == trace::NumberColumn || column == trace::TimeColumn;
        return QVariant::fromValue(number ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole && column == trace::StatusColumn)
        return toQString(trace_->text(row)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (role != Qt::DisplayRole)
        return {};
    return toQString(trace::traceCell(*trace_, row, column));
}

QVariant TraceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= trace::TraceColumnCount)
        return {};
    return toQString(trace::traceColumnHeadings()[static_cast<std::size_t>(section)]);
}

} // namespace lodarix
