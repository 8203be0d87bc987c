// A table of rows the core writes, for a QTableView, so that assistive
// technology reads it as a table: the core's column headings, the rows
// numbered from 1, and rows taken in as they are added at the end. A
// subclass gives the cells (data()) and says how many rows there are now.
#pragma once

#include <QAbstractTableModel>

#include <span>
#include <string_view>

namespace lodarix {

class CoreTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    // The headings, one a column, must outlive the model.
    CoreTableModel(std::span<const std::string_view> headings, QObject* parent);

    int shownRows() const { return shown_; }
    // Within a reset of the model: the rows shown from now on.
    void setShownRows(int count) { shown_ = count; }
    // Inserts the rows beyond those shown, up to count.
    void showRowsUpTo(int count);
    // A cell's Qt::TextAlignmentRole: a number to the right, text to the left.
    static QVariant alignment(bool number);

private:
    std::span<const std::string_view> headings_;
    int shown_ = 0;
};

} // namespace lodarix
