#pragma once
// The lots of a batch window as a table model: the cells a person pasted or
// typed, and what calc/batch worked out of each lot, recomputed as a cell
// changes. One empty row stands at the end for typing a new lot. Every change
// (a paste, a cell typed, 清空, a correction, 全部更正) is one step of the undo
// stack; the model knows whether its lots were exported since they changed.
//
//   paste / edit / correction --undo stack--> CalculateRows --> rows --> view, 合计
//   rows --Table | TableText--> the same cells CalculateRows gives

#include <QAbstractTableModel>
#include <QUndoStack>
#include <functional>

#include "calc/batch.h"

namespace kelvora::ui {

class BatchModel : public QAbstractTableModel {
public:
    // Most rows a paste may bring, and a batch may hold across pastes (the
    // .xlsx format holds 1,048,576 rows, its header and 合计 among them).
    static constexpr std::size_t kMaxRows = 100000;
    static constexpr std::size_t kMaxBatch = 1000000;

    // `page` holds the values of the calculator's page, or is nullptr; it outlives the model.
    BatchModel(const Calculator& calculator, const FeeTerms& terms, const InputValues* page,
               QObject* parent);
    // Its undo stack says nothing more as it goes: it clears itself when destroyed.
    ~BatchModel() override;

    const BatchColumns& columns() const { return m_columns; }
    const std::vector<BatchRow>& rows() const { return m_rows; }
    QUndoStack& undoStack() { return m_undo; }

    // Adds the rows of a spreadsheet's text; a header row maps its columns by
    // name (the first paste into an empty batch sets the columns). Returns why
    // nothing was added, or an empty string.
    QString PasteRows(const QString& text);
    // The same for the rows of a file (a header row among them, or not);
    // `origin` says where they come from in the message ("文件中").
    QString AddRows(std::vector<Cells> cells, const QString& origin);
    // The same for rows read one by one by `next`, which returns false after the last.
    // `replace`: the rows take the place of every lot, as one step.
    QString AddRows(const std::function<bool(Cells&)>& next, const QString& origin,
                    bool replace = false);
    void Clear();
    // Puts `value` in each of the given cells of the lots at `cells` (a value
    // pasted onto a selection), as one step; how many cells changed.
    int Fill(const QModelIndexList& cells, const QString& value);

    // Applies the evident correction of a cell (by row and column), or every
    // one at once; each is one undoable step. Returns how many cells changed.
    bool Correct(int row, int column);
    int CorrectAll();
    // How many cells have an evident correction.
    int Corrections() const;

    // New terms of the agency, the same for every lot: every lot is worked
    // out again, the result columns follow, and what was done before cannot
    // be undone past it.
    void SetTerms(const FeeTerms& terms);

    // Whether there are lots not exported since they last changed.
    bool HasUnexported() const { return !m_rows.empty() && m_undo.index() != m_exportedAt; }
    void MarkExported() { m_exportedAt = m_undo.index(); }

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

    const BatchColumn& Column(int column) const;

private:
    friend class RowsCommand;
    bool SetCell(const QModelIndex& at, const QString& value);
    // One given cell of a row changed and the lot worked out again, as one
    // step to undo named `text`.
    void ChangeCell(const QString& text, std::size_t row, std::size_t cell, std::string value);
    // Puts `rows` in the place of rows [first, first + count) and, when given,
    // `columns` in the place of the columns; the view is told.
    void Replace(std::size_t first, std::size_t count, std::vector<BatchRow> rows,
                 const BatchColumns* columns = nullptr);
    void Changed();

    BatchColumns m_columns;
    const InputValues* m_page;
    std::vector<BatchRow> m_rows;
    QUndoStack m_undo;
    int m_exportedAt = 0;
    std::function<void()> m_changed;
};

}  // namespace kelvora::ui
