#include "ui/batch/batch_model.h"

#include <QColor>
#include <QWidget>

#include "ui/common/error_report.h"
#include "ui/common/qt_text.h"

namespace kelvora::ui {

BatchModel::BatchModel(const Calculator& calculator, QObject* parent)
    : QAbstractTableModel(parent), m_columns(ColumnsOf(calculator))
{
}

QString BatchModel::PasteRows(const QString& text)
{
    std::vector<Cells> cells = ParseTable(text.toStdString());
    if (!cells.empty() && IsHeaderRow(m_columns, cells.front())) {
        cells.erase(cells.begin());
    }
    if (cells.size() > kMaxRows) {
        return QStringLiteral("一次最多粘贴 %1 行，剪贴板中有 %2 行；表格未作改动。")
            .arg(kMaxRows)
            .arg(cells.size());
    }
    const bool table =
        std::any_of(cells.begin(), cells.end(), [](const Cells& row) { return row.size() > 1; });
    if (cells.empty() || !table) {
        return QStringLiteral(
            "剪贴板中的内容不是表格（各列应以制表符分隔，可从电子表格中复制）；"
            "表格未作改动。");
    }
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(cells.size()) - 1);
    m_rows.reserve(m_rows.size() + cells.size());
    for (const Cells& row : cells) {
        m_rows.push_back(CalculateRow(m_columns, row));
    }
    endInsertRows();
    if (m_changed) {
        m_changed();
    }
    return {};
}

void BatchModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    if (m_changed) {
        m_changed();
    }
}

std::vector<Cells> BatchModel::Table() const
{
    return TableOf(m_columns, m_rows);
}

QString BatchModel::TableText() const
{
    return ToQString(FormatTable(Table()));
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

const BatchColumn& BatchModel::Column(int column) const
{
    return m_columns.list[static_cast<std::size_t>(column)];
}

QString BatchModel::Cell(int row, int column) const
{
    if (row >= static_cast<int>(m_rows.size())) {
        return {};
    }
    return ToQString(CellText(Column(column), m_rows[static_cast<std::size_t>(row)]));
}

QString BatchModel::CellNote(int row, int column) const
{
    if (row >= static_cast<int>(m_rows.size())) {
        return {};
    }
    return ToQString(kelvora::CellNote(Column(column), m_rows[static_cast<std::size_t>(row)]));
}

QVariant BatchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return Cell(index.row(), index.column());
        case Qt::ToolTipRole: {
            const QString note = CellNote(index.row(), index.column());
            return note.isEmpty() ? QVariant() : QVariant(note);
        }
        case Qt::BackgroundRole: {
            const BatchColumn& column = Column(index.column());
            if (!CellNote(index.row(), index.column()).isEmpty()) {
                return QColor(0xFF, 0xE8, 0xCC);  // a doubtful cell, as the window marks it
            }
            if (column.edited) {
                return {};
            }
            const bool failed = index.row() < static_cast<int>(m_rows.size()) &&
                                m_rows[static_cast<std::size_t>(index.row())].failed;
            return failed ? QColor(0xFD, 0xE2, 0xE2) : QColor(0xF4, 0xF6, 0xFA);
        }
        case Qt::TextAlignmentRole: {
            const BatchColumn& column = Column(index.column());
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

bool BatchModel::SetCell(const QModelIndex& index, const QString& value)
{
    const auto row = static_cast<std::size_t>(index.row());
    if (row == m_rows.size()) {
        if (value.isEmpty()) {
            return false;
        }
        beginInsertRows({}, index.row() + 1, index.row() + 1);  // a new empty row below
        m_rows.push_back(CalculateRow(m_columns, Cells(m_columns.inputs.size() + 1)));
        endInsertRows();
    }
    Cells cells = m_rows[row].given;
    cells[Column(index.column()).index] = value.toStdString();
    m_rows[row] = CalculateRow(m_columns, cells);
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    if (m_changed) {
        m_changed();
    }
    return true;
}

}  // namespace kelvora::ui
