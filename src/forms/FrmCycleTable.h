// The cycle's rows as a table model: every row in full precision with the program's decimal
// separator, sortable by any column without copying the rows.
#pragma once

#include "analysis/Cycle.h"

#include <QAbstractTableModel>

#include <vector>

namespace qor {

class TCycleTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the rows of `cycle`, which must outlive the model or be replaced first; in step order
    // until the next sort. Null: no rows.
    void SetCycle(const Cycle* cycle);

    // Where a row of the cycle stands in the sorted table, and back.
    int TableRowOf(int cycleRow) const { return tableRowOf_[static_cast<std::size_t>(cycleRow)]; }
    int CycleRowOf(int tableRow) const { return order_[static_cast<std::size_t>(tableRow)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Orders by the values of the column; rows of equal value stay in step order.
    void sort(int column, Qt::SortOrder order) override;

private:
    const Cycle* cycle_ = nullptr;
    std::vector<int> order_;      // the cycle row shown in each table row
    std::vector<int> tableRowOf_; // the inverse of order_
};

} // namespace qor
