#include "desktop/events_window/trace_table_model.h"

#include "core/trace/trace_texts.h"
#include "desktop/window/qt_text.h"

namespace lodarix {

TraceTableModel::TraceTableModel(QObject* parent)
    : CoreTableModel(trace::traceColumnHeadings(), parent)
{
}

void TraceTableModel::setTrace(const trace::EventTrace* trace)
{
    beginResetModel();
    trace_ = trace;
    setShownRows(trace ? static_cast<int>(trace->size()) : 0);
    endResetModel();
}

void TraceTableModel::refresh()
{
    const int rows = trace_ ? static_cast<int>(trace_->size()) : 0;
    if (rows < shownRows())
        setTrace(trace_); // a new session began
    else
        showRowsUpTo(rows);
}

QVariant TraceTableModel::data(const QModelIndex& index, int role) const
{
    if (!trace_ || !index.isValid() || index.row() >= shownRows())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<trace::TraceColumn>(index.column());
    if (role == Qt::TextAlignmentRole)
        return alignment(column == trace::NumberColumn || column == trace::TimeColumn);
    if (role == Qt::ToolTipRole && column == trace::StatusColumn)
        return toQString(trace_->text(row)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (role != Qt::DisplayRole)
        return {};
    return toQString(trace::traceCell(*trace_, row, column));
}

} // namespace lodarix
