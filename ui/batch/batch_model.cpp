#include "ui/batch/batch_model.h"

#include <QColor>
#include <QUndoCommand>
#include <QWidget>
#include <algorithm>
#include <iterator>

#include "ui/common/error_report.h"
#include "ui/common/qt_text.h"

namespace kelvora::ui {

// One change of the lots, undone and done again by swapping what it took out
// of the model with what it holds: rows [first, first + count) and, for a
// paste that set them or 清空 that cleared them, the columns. Nothing is
// copied or worked out again.
class RowsCommand : public QUndoCommand {
public:
    RowsCommand(BatchModel& model, const QString& text, std::size_t first, std::size_t count,
                std::vector<BatchRow> rows, std::optional<BatchColumns> columns = std::nullopt)
        : QUndoCommand(text),
          m_model(model),
          m_first(first),
          m_count(count),
          m_other(std::move(rows)),
          m_otherColumns(std::move(columns))
    {
    }

    void redo() override { Swap(); }
    void undo() override { Swap(); }

private:
    void Swap()
    {
        std::vector<BatchRow>& rows = m_model.m_rows;
        const auto from = rows.begin() + static_cast<std::ptrdiff_t>(m_first);
        std::vector<BatchRow> taken(
            std::make_move_iterator(from),
            std::make_move_iterator(from + static_cast<std::ptrdiff_t>(m_count)));
        const std::size_t count = m_other.size();
        std::optional<BatchColumns> columns;
        if (m_otherColumns) {
            columns = m_model.m_columns;
        }
        m_model.Replace(m_first, m_count, std::move(m_other),
                        m_otherColumns ? &*m_otherColumns : nullptr);
        m_other = std::move(taken);
        m_count = count;
        m_otherColumns = std::move(columns);
    }

    BatchModel& m_model;
    std::size_t m_first;
    std::size_t m_count;
    std::vector<BatchRow> m_other;
    std::optional<BatchColumns> m_otherColumns;
};

namespace {

// One change of single rows here and there (a cell typed, corrections): each
// row swapped with the one the command holds.
class CellsCommand : public QUndoCommand {
public:
    CellsCommand(const QString& text,
                 std::function<void(std::vector<std::pair<std::size_t, BatchRow>>&)> swap,
                 std::vector<std::pair<std::size_t, BatchRow>> rows)
        : QUndoCommand(text), m_swap(std::move(swap)), m_rows(std::move(rows))
    {
    }
    void redo() override { m_swap(m_rows); }
    void undo() override { m_swap(m_rows); }

private:
    std::function<void(std::vector<std::pair<std::size_t, BatchRow>>&)> m_swap;
    std::vector<std::pair<std::size_t, BatchRow>> m_rows;
};

}  // namespace

BatchModel::BatchModel(const Calculator& calculator, const FeeTerms& terms, const InputValues* page,
                       QObject* parent)
    : QAbstractTableModel(parent), m_columns(ColumnsOf(calculator, terms)), m_page(page)
{
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] { Changed(); });
}

BatchModel::~BatchModel()
{
    // The window that listens may be gone already (this model is its child).
    QObject::disconnect(&m_undo, nullptr, this, nullptr);
}

const BatchColumn& BatchModel::Column(int column) const
{
    return m_columns.list[static_cast<std::size_t>(column)];
}

void BatchModel::Changed()
{
    if (m_changed) {
        m_changed();
    }
}

void BatchModel::Replace(std::size_t first, std::size_t count, std::vector<BatchRow> rows,
                         const BatchColumns* columns)
{
    const auto at = m_rows.begin() + static_cast<std::ptrdiff_t>(first);
    if (columns != nullptr || count > 0) {
        beginResetModel();
        if (columns != nullptr) {
            m_columns = *columns;
        }
        m_rows.erase(at, at + static_cast<std::ptrdiff_t>(count));
        m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(first),
                      std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
        endResetModel();
        return;
    }
    if (rows.empty()) {
        return;
    }
    beginInsertRows({}, static_cast<int>(first), static_cast<int>(first + rows.size()) - 1);
    m_rows.insert(at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

QString BatchModel::PasteRows(const QString& text)
{
    const std::string utf8 = text.toStdString();
    // a table: some row has two cells or more
    TableReader probe(utf8);
    Cells row;
    bool table = false;
    while (!table && probe.Next(row)) {
        table = row.size() > 1;
    }
    if (!table) {
        return QStringLiteral(
            "剪贴板中的内容不是表格（各列应以制表符分隔，可从电子表格中复制）；"
            "表格未作改动。");
    }
    TableReader reader(utf8);
    return AddRows([&reader](Cells& cells) { return reader.Next(cells); },
                   QStringLiteral("剪贴板中"));
}

QString BatchModel::AddRows(std::vector<Cells> cells, const QString& origin)
{
    std::size_t next = 0;
    return AddRows(
        [&](Cells& row) {
            if (next == cells.size()) {
                return false;
            }
            row = std::move(cells[next++]);
            return true;
        },
        origin);
}

QString BatchModel::AddRows(const std::function<bool(Cells&)>& next, const QString& origin,
                            bool replace)
{
    Cells first;
    if (!next(first)) {
        return QStringLiteral("没有可添加的行；表格未作改动。");
    }
    // A header row names the columns: of an empty batch it sets them, into a
    // batch that has lots its columns are placed by their names.
    std::optional<BatchColumns> named;
    const HeaderReading header = ReadHeader(*m_columns.calculator, first, m_columns.terms, m_page);
    if (header.header) {
        if (!header.columns) {
            return ToQString(header.problem) + QStringLiteral("；表格未作改动。");
        }
        named = header.columns;
    }
    std::optional<BatchColumns> setColumns;
    if (named && (m_rows.empty() || replace)) {
        setColumns = std::move(named);
    } else if (replace) {
        setColumns = ColumnsOf(*m_columns.calculator, m_columns.terms);
    }
    const BatchColumns& layout = setColumns ? *setColumns : m_columns;
    // Each row worked out as it is read; a paste past the limit is counted
    // to the end, and nothing is added.
    std::vector<BatchRow> rows;
    RowScratch scratch;
    Cells cells;
    std::size_t count = 0;
    bool placed = true;
    const auto take = [&](Cells row) {
        if (++count > kMaxRows || !placed) {
            return;
        }
        if (named && !setColumns) {
            auto arranged = Rearranged(*named, m_columns, std::move(row));
            if (!arranged) {
                placed = false;
                return;
            }
            row = std::move(*arranged);
        }
        rows.push_back(CalculateRow(layout, std::move(row), scratch));
    };
    if (!header.header) {
        take(std::move(first));
    }
    while (next(cells)) {
        take(cells);
    }
    if (count > kMaxRows) {
        return QStringLiteral("一次最多添加 %1 行，%2有 %3 行；表格未作改动。")
            .arg(kMaxRows)
            .arg(origin)
            .arg(count);
    }
    if (!placed) {
        return QStringLiteral(
            "粘贴的标题行中有表格没有的列；请先清空表格，或按表格的列粘贴。"
            "表格未作改动。");
    }
    if (rows.empty()) {
        return QStringLiteral("没有可添加的行；表格未作改动。");
    }
    if (replace) {
        m_undo.push(new RowsCommand(*this, QStringLiteral("替换为 %1 行").arg(rows.size()), 0,
                                    m_rows.size(), std::move(rows), std::move(setColumns)));
        return {};
    }
    if (m_rows.size() + rows.size() > kMaxBatch) {
        return QStringLiteral(
                   "批量计算最多 %1 行（Excel 工作表所能容纳的），已有 %2 行；表格未作改动。")
            .arg(kMaxBatch)
            .arg(m_rows.size());
    }
    m_undo.push(new RowsCommand(*this, QStringLiteral("粘贴 %1 行").arg(rows.size()), m_rows.size(),
                                0, std::move(rows), std::move(setColumns)));
    return {};
}

void BatchModel::SetTerms(const FeeTerms& terms)
{
    if (terms == m_columns.terms) {
        return;
    }
    beginResetModel();
    m_columns = WithTerms(std::move(m_columns), terms);
    RowScratch scratch;
    for (BatchRow& row : m_rows) {
        row = CalculateRow(m_columns, row.given.Unpacked(), scratch);
    }
    endResetModel();
    // the steps before were worked out under other terms
    m_undo.clear();
    m_exportedAt = m_rows.empty() ? 0 : -1;
    Changed();
}

void BatchModel::Clear()
{
    if (m_rows.empty()) {
        return;
    }
    m_undo.push(new RowsCommand(*this, QStringLiteral("清空"), 0, m_rows.size(), {},
                                ColumnsOf(*m_columns.calculator, m_columns.terms)));
}

int BatchModel::Corrections() const
{
    int count = 0;
    for (const BatchRow& row : m_rows) {
        for (const BatchColumn& column : m_columns.list) {
            count += CellCorrection(column, row) ? 1 : 0;
        }
    }
    return count;
}

namespace {

// Swaps each row of `rows` with the model's row of that number, telling the view.
void SwapRows(std::vector<BatchRow>& model, std::vector<std::pair<std::size_t, BatchRow>>& rows,
              const std::function<void(std::size_t)>& changed)
{
    for (auto& [at, row] : rows) {
        std::swap(model[at], row);
        changed(at);
    }
}

}  // namespace

int BatchModel::Fill(const QModelIndexList& cells, const QString& value)
{
    // the lots' rows, each with its cells changed; new lots below the last are not made
    std::vector<std::pair<std::size_t, Cells>> changed;
    int count = 0;
    for (const QModelIndex& at : cells) {
        const auto row = static_cast<std::size_t>(at.row());
        if (!at.isValid() || row >= m_rows.size() || !Column(at.column()).edited) {
            continue;
        }
        auto lot = std::find_if(changed.begin(), changed.end(),
                                [row](const auto& entry) { return entry.first == row; });
        if (lot == changed.end()) {
            changed.emplace_back(row, m_rows[row].given.Unpacked());
            lot = changed.end() - 1;
        }
        std::string& cell = lot->second[Column(at.column()).index];
        if (cell != value.toStdString()) {
            cell = value.toStdString();
            ++count;
        }
    }
    if (count == 0) {
        return 0;
    }
    std::vector<std::pair<std::size_t, BatchRow>> rows;
    RowScratch scratch;
    for (auto& [row, given] : changed) {
        rows.emplace_back(row, CalculateRow(m_columns, std::move(given), scratch));
    }
    m_undo.push(new CellsCommand(
        QStringLiteral("填充 %1 个单元格").arg(count),
        [this](auto& swapped) {
            SwapRows(m_rows, swapped, [this](std::size_t at) {
                Q_EMIT dataChanged(index(static_cast<int>(at), 0),
                                   index(static_cast<int>(at), columnCount() - 1));
            });
        },
        std::move(rows)));
    return count;
}

bool BatchModel::Correct(int row, int column)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return false;
    }
    const BatchRow& lot = m_rows[static_cast<std::size_t>(row)];
    const auto correction = CellCorrection(Column(column), lot);
    if (!correction) {
        return false;
    }
    ChangeCell(ToQString(correction->offer), static_cast<std::size_t>(row), Column(column).index,
               correction->text);
    return true;
}

void BatchModel::ChangeCell(const QString& text, std::size_t row, std::size_t cell,
                            std::string value)
{
    Cells cells = m_rows[row].given.Unpacked();
    cells[cell] = std::move(value);
    std::vector<std::pair<std::size_t, BatchRow>> rows;
    rows.emplace_back(row, CalculateRow(m_columns, std::move(cells)));
    m_undo.push(new CellsCommand(
        text,
        [this](auto& swapped) {
            SwapRows(m_rows, swapped, [this](std::size_t at) {
                Q_EMIT dataChanged(index(static_cast<int>(at), 0),
                                   index(static_cast<int>(at), columnCount() - 1));
            });
        },
        std::move(rows)));
}

int BatchModel::CorrectAll()
{
    std::vector<std::pair<std::size_t, BatchRow>> rows;
    int cellsChanged = 0;
    RowScratch scratch;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        Cells cells;
        for (const BatchColumn& column : m_columns.list) {
            if (const auto correction = CellCorrection(column, m_rows[r])) {
                if (cells.empty()) {
                    cells = m_rows[r].given.Unpacked();
                }
                cells[column.index] = correction->text;
                ++cellsChanged;
            }
        }
        if (!cells.empty()) {
            rows.emplace_back(r, CalculateRow(m_columns, std::move(cells), scratch));
        }
    }
    if (rows.empty()) {
        return 0;
    }
    m_undo.push(new CellsCommand(
        QStringLiteral("全部更正"),
        [this](auto& swapped) {
            beginResetModel();
            for (auto& [at, row] : swapped) {
                std::swap(m_rows[at], row);
            }
            endResetModel();
        },
        std::move(rows)));
    return cellsChanged;
}

std::vector<Cells> BatchModel::Table() const
{
    return TableOf(m_columns, m_rows);
}

QString BatchModel::TableText() const
{
    return ToQString(kelvora::TableText(m_columns, m_rows));
}

BatchTotal BatchModel::Total() const
{
    return TotalOf(m_columns, m_rows);
}

int BatchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size()) + 1;
}

int BatchModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.list.size());
}

namespace {

// Whether a lot's cell is empty in a column that takes the page's choice.
bool TakesFallback(const BatchColumn& column, const BatchRow& row)
{
    return !column.fallback.empty() && column.index < row.given.size() &&
           IsBlank(row.given[column.index]);
}

}  // namespace

QVariant BatchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const BatchColumn& column = Column(index.column());
    const bool lot = index.row() < static_cast<int>(m_rows.size());
    const BatchRow* row = lot ? &m_rows[static_cast<std::size_t>(index.row())] : nullptr;
    switch (role) {
        case Qt::DisplayRole:
            // a choice the sheet had no column of: the page's, shown in grey
            if (row != nullptr && TakesFallback(column, *row)) {
                return ToQString(column.fallback);
            }
            return row != nullptr ? ToQString(CellText(column, *row)) : QString();
        case Qt::EditRole:
            return row != nullptr ? ToQString(CellText(column, *row)) : QString();
        case Qt::ForegroundRole:
            return row != nullptr && TakesFallback(column, *row) ? QVariant(QColor(Qt::gray))
                                                                 : QVariant();
        case Qt::ToolTipRole: {
            if (row != nullptr && TakesFallback(column, *row)) {
                return QStringLiteral("表格中没有此列，按页面所选计算");
            }
            const Note* note = row != nullptr ? CellNote(column, *row) : nullptr;
            return note != nullptr ? QVariant(PlainTip(ToQString(note->text))) : QVariant();
        }
        case Qt::BackgroundRole: {
            if (row != nullptr && CellNote(column, *row) != nullptr) {
                return QColor(0xFF, 0xE8, 0xCC);  // a doubtful cell, as the window marks it
            }
            if (column.edited) {
                return {};
            }
            if (row != nullptr && row->state == RowState::Failed) {
                return QColor(0xFD, 0xE2, 0xE2);
            }
            if (row != nullptr && row->state == RowState::Doubtful) {
                return QColor(0xFF, 0xF4, 0xE0);  // shown, left out of the 合计
            }
            return QColor(0xF4, 0xF6, 0xFA);
        }
        case Qt::TextAlignmentRole: {
            const bool figure = !column.edited && IsNumeric(column.type);
            return figure ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        }
        default:
            return {};
    }
}

QVariant BatchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return ToQString(Column(section).header);
    }
    return section < static_cast<int>(m_rows.size()) ? QVariant(section + 1)
                                                     : QVariant(QStringLiteral("*"));
}

Qt::ItemFlags BatchModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.isValid() && Column(index.column()).edited) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool BatchModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !Column(index.column()).edited) {
        return false;
    }
    // Called by the view as a slot: whatever goes wrong is reported there.
    bool set = false;
    RunReported(qobject_cast<QWidget*>(QObject::parent()),
                [&] { set = SetCell(index, value.toString()); });
    return set;
}

bool BatchModel::SetCell(const QModelIndex& at, const QString& value)
{
    const auto row = static_cast<std::size_t>(at.row());
    const std::size_t cell = Column(at.column()).index;
    if (row == m_rows.size()) {
        // typed into the empty row at the end: a new lot
        if (value.isEmpty()) {
            return false;
        }
        Cells cells(m_columns.givenCells);
        cells[cell] = value.toStdString();
        std::vector<BatchRow> rows;
        rows.push_back(CalculateRow(m_columns, std::move(cells)));
        m_undo.push(new RowsCommand(*this, QStringLiteral("输入"), row, 0, std::move(rows)));
        return true;
    }
    if (m_rows[row].given[cell] == value.toStdString()) {  // string_view against the text
        return false;
    }
    ChangeCell(QStringLiteral("输入"), row, cell, value.toStdString());
    return true;
}

}  // namespace kelvora::ui
