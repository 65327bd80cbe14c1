#pragma once
// The rows of a batch window as a table model: the cells a person pasted or
// typed, and what calc/batch worked out of each row, recomputed as a cell
// changes. One empty row stands at the end for typing a new lot.
//
//   paste / edit --setData | PasteRows--> CalculateRow --> results, marks
//   rows --TableText | Table--> the same cells CalculateRows gives

#include <QAbstractTableModel>
#include <functional>

#include "calc/batch.h"

namespace kelvora::ui {

class BatchModel : public QAbstractTableModel {
public:
    // Most rows a paste may bring.
    static constexpr std::size_t kMaxRows = 100000;

    BatchModel(const Calculator& calculator, QObject* parent);

    const BatchColumns& columns() const { return m_columns; }
    const std::vector<BatchRow>& rows() const { return m_rows; }

    // Adds the rows of a spreadsheet's text (its header row left out).
    // Returns why nothing was added, or an empty string.
    QString PasteRows(const QString& text);
    void Clear();

    // The whole table with its 合计, as CalculateRows writes it.
    std::vector<Cells> Table() const;
    QString TableText() const;
    BatchTotal Total() const;

    // Called whenever the rows or their results changed.
    void SetChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    const BatchColumn& Column(int column) const;
    bool SetCell(const QModelIndex& index, const QString& value);
    QString Cell(int row, int column) const;
    QString CellNote(int row, int column) const;

    BatchColumns m_columns;
    std::vector<BatchRow> m_rows;
    std::function<void()> m_changed;
};

}  // namespace kelvora::ui
