// An events trace as a table for a QTableView (a CoreTableModel): the core's
// cells and headings (core/trace/trace_texts.h), computed for the rows in
// view only. It shows one trace at a time, the
// lesson's or a script's, and takes in the rows added since it last looked.
#pragma once

#include "core/trace/event_trace.h"
#include "desktop/tables/core_table_model.h"

namespace lodarix {

class TraceTableModel : public CoreTableModel {
    Q_OBJECT

public:
    explicit TraceTableModel(QObject* parent = nullptr);

    // The trace shown from now on, nullptr for none; it must outlive the
    // model or be replaced first.
    void setTrace(const trace::EventTrace* trace);
    const trace::EventTrace* trace() const { return trace_; }
    // Takes in the rows added to the trace since the last call, or all of a
    // session begun anew.
    void refresh();

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const trace::EventTrace* trace_ = nullptr;
};

} // namespace lodarix
