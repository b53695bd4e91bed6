#include "forms/FrmCycleTable.h"

#include "analysis/CycleColumns.h"
#include "analysis/CycleCsv.h"
#include "forms/FrmCycleTexts.h"
#include "platform/DecimalSeparator.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace qor {

void TCycleTableModel::SetCycle(const Cycle* cycle) {
    beginResetModel();
    cycle_ = cycle;
    const std::size_t rows = cycle != nullptr ? cycle->Rows.size() : 0;
    order_.resize(rows);
    std::iota(order_.begin(), order_.end(), 0);
    tableRowOf_ = order_;
    endResetModel();
}

int TCycleTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int TCycleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CycleColumnCount;
}

QVariant TCycleTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || cycle_ == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const CycleRow& row = cycle_->Rows[static_cast<std::size_t>(CycleRowOf(index.row()))];
    if (index.column() == 0) {
        return QString::number(row.Step);
    }
    // The shortest text that reads back as the same double, as the CSV writes it.
    std::string text;
    AppendCsvNumber(text, ColumnValue(row, static_cast<CycleColumn>(index.column())),
                    DecimalSeparator().toLatin1());
    return QString::fromLatin1(text);
}

QVariant TCycleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return CycleText::TableHeaders().value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TCycleTableModel::sort(int column, Qt::SortOrder order) {
    if (cycle_ == nullptr || column < 0 || column >= CycleColumnCount) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The persistent indexes (the current row, the selection) keep to their rows of the cycle.
    const QModelIndexList before = persistentIndexList();
    std::vector<int> cycleRows;
    cycleRows.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) {
        cycleRows.push_back(CycleRowOf(index.row()));
    }
    std::vector<double> keys;
    keys.reserve(cycle_->Rows.size());
    for (const CycleRow& row : cycle_->Rows) {
        keys.push_back(ColumnValue(row, static_cast<CycleColumn>(column)));
    }
    std::iota(order_.begin(), order_.end(), 0);
    const auto ascending = [&keys](int a, int b) { return keys[a] < keys[b]; };
    const auto descending = [&keys](int a, int b) { return keys[a] > keys[b]; };
    if (order == Qt::AscendingOrder) {
        std::stable_sort(order_.begin(), order_.end(), ascending);
    } else {
        std::stable_sort(order_.begin(), order_.end(), descending);
    }
    for (std::size_t row = 0; row < order_.size(); ++row) {
        tableRowOf_[static_cast<std::size_t>(order_[row])] = static_cast<int>(row);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        after.push_back(
            index(TableRowOf(cycleRows[static_cast<std::size_t>(i)]), before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace qor
