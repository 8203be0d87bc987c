// The trips of the record as a table for a QTableView (a CoreTableModel):
// the core's rows and headings (core/motion/record_texts.h), the note left,
// the numbers right.
#pragma once

#include "core/motion/motion_recorder.h"
#include "core/motion/speed.h"
#include "desktop/tables/core_table_model.h"

namespace lodarix {

class TripTableModel : public CoreTableModel {
    Q_OBJECT

public:
    // The record must outlive the model.
    explicit TripTableModel(const motion::MotionRecorder& record, QObject* parent = nullptr);

    // Takes in the trips added or changed since the last call.
    void refresh();
    void setStoreyHeight(motion::StoreyHeight height);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const motion::MotionRecorder& record_;
    motion::StoreyHeight height_;
};

} // namespace lodarix
