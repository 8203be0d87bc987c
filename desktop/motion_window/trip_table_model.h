// The trips of the record as a table for a QTableView, so that assistive
// technology reads it as a table: the core's rows and headings
// (core/motion/record_texts.h), the note left, the numbers right.
#pragma once

#include "core/motion/motion_recorder.h"
#include "core/motion/speed.h"

#include <QAbstractTableModel>

namespace lodarix {

class TripTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The record must outlive the model.
    explicit TripTableModel(const motion::MotionRecorder& record, QObject* parent = nullptr);

    // Takes in the trips added or changed since the last call.
    void refresh();
    void setStoreyHeight(motion::StoreyHeight height);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const motion::MotionRecorder& record_;
    motion::StoreyHeight height_;
    int shown_ = 0;
};

} // namespace lodarix
