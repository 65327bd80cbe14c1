#include "ui/batch/table_files.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "ui/common/file_write.h"
#include "ui/common/qt_text.h"
#include "ui/common/save_flow.h"

namespace kelvora::ui {
namespace {

// Excel's limits: characters in a cell, rows in a worksheet.
constexpr std::size_t kCellCharacters = 32767;
constexpr std::size_t kSheetRows = 1048576;

// How wide a text shows in a spreadsheet: Chinese characters (three bytes
// and more in UTF-8) count twice.
double DisplayWidth(const std::string& text)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::size_t Characters(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The rows of the file as cells: the lots, then the 合计 where there is one.
class FileRows {
public:
    FileRows(const BatchColumns& columns, const std::vector<BatchRow>& rows)
        : m_columns(columns), m_rows(rows)
    {
        if (columns.money) {
            m_total = TotalOf(columns, rows);
        }
    }
    // Rows below the header.
    std::size_t size() const { return m_rows.size() + (m_total ? 1 : 0); }
    bool IsTotal(std::size_t r) const { return r == m_rows.size(); }
    CellValue Cell(std::size_t r, std::size_t c) const
    {
        const BatchColumn& column = m_columns.list[c];
        return IsTotal(r) ? TotalValueOf(column, *m_total) : ValueOf(column, m_rows[r]);
    }

private:
    const BatchColumns& m_columns;
    const std::vector<BatchRow>& m_rows;
    std::optional<BatchTotal> m_total;
};

// Why a cell cannot be in an .xlsx, naming it, or empty.
QString Unwritable(const BatchColumns& columns, std::size_t row, std::size_t column,
                   const std::string& text)
{
    const bool nul = text.find('\0') != std::string::npos;
    const bool tooLong = text.size() > kCellCharacters && Characters(text) > kCellCharacters;
    if (!nul && !tooLong) {
        return {};
    }
    const QString where = QStringLiteral("第 %1 行“%2”列的单元格")
                              .arg(row)
                              .arg(ToQString(columns.list[column].header));
    return nul ? where + QStringLiteral("含有空字符（NUL），Excel 无法保存")
               : where + QStringLiteral("有 %1 个字符，超过 Excel 单元格的上限 %2 个")
                             .arg(Characters(text))
                             .arg(kCellCharacters);
}

// What libxlsxwriter reports, in words a user can act on.
QString LibraryErrorText(lxw_error error)
{
    switch (error) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return QStringLiteral("内存不足");
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
            return QStringLiteral("无法写入临时文件，可能是磁盘空间不足");
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_PARAMETER_ERROR:
        case LXW_ERROR_ZIP_BAD_ZIP_FILE:
        case LXW_ERROR_ZIP_INTERNAL_ERROR:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return QStringLiteral("压缩工作簿时出错，可能是磁盘空间不足");
        default:
            return QStringLiteral("生成工作簿时出错（代码 %1）").arg(static_cast<int>(error));
    }
}

// Whether a spreadsheet program would take a CSV cell for a formula.
bool StartsAFormula(const std::string& cell)
{
    if (!cell.empty() && (cell.front() == '\t' || cell.front() == '\r')) {
        return true;
    }
    const std::string_view text = Trimmed(cell);
    for (std::string_view lead : {"=", "+", "-", "@", "＝", "＋", "－", "＠"}) {
        if (text.substr(0, lead.size()) == lead) {
            return true;
        }
    }
    return false;
}

// A CSV cell: quoted where it holds a comma, a quote or a line break; a cell
// the user gave that would start a formula after an apostrophe.
void AppendCsvCell(std::string& out, const std::string& cell, bool given)
{
    const bool guarded = given && StartsAFormula(cell);
    const bool quoted = cell.find_first_of(",\"\n\r") != std::string::npos;
    if (quoted) {
        out += '"';
    }
    if (guarded) {
        out += '\'';
    }
    for (char c : cell) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    if (quoted) {
        out += '"';
    }
}

bool Going(const Progress& progress, std::size_t done, std::size_t total)
{
    return !progress || done % 1000 != 0 || progress(done, total);
}

}  // namespace

QString StoppedWriting()
{
    return StoppedByUser();
}

QString WriteXlsx(const QString& path, const BatchColumns& columns,
                  const std::vector<BatchRow>& rows, const Progress& progress)
{
    const FileRows cells(columns, rows);
    if (cells.size() + 1 > kSheetRows) {
        return QStringLiteral("无法导出“%1”：表格有 %2 行，超过 Excel 工作表的上限 %3 行。")
            .arg(path)
            .arg(cells.size() + 1)
            .arg(kSheetRows);
    }
    // The workbook is made in a folder of its own, then its bytes take the
    // target's place the one way every file does.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        return CannotWrite(path, QStringLiteral("无法在临时文件夹中创建工作簿"));
    }
    const QString temporary = folder.filePath(QStringLiteral("workbook.xlsx"));
    const QByteArray name = QFile::encodeName(temporary);
    // Rows go to the file as they are written, strings inline: a table of
    // 100,000 lots does not wait on a table of shared strings.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    QByteArray tmpdir = QFile::encodeName(folder.path());
    options.tmpdir = tmpdir.data();
    lxw_workbook* workbook = workbook_new_opt(name.constData(), &options);
    if (workbook == nullptr) {
        return CannotWrite(path, QStringLiteral("无法创建工作簿"));
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "批量计算");
    const auto format = [&](bool strong, const char* numbers) {
        lxw_format* made = workbook_add_format(workbook);
        if (strong) {
            format_set_bold(made);
        }
        if (numbers != nullptr) {
            format_set_num_format(made, numbers);
        }
        return made;
    };
    lxw_format* bold = format(true, nullptr);
    // Each column's number format, plain and bold, chosen once.
    const std::size_t count = columns.list.size();
    std::vector<lxw_format*> plain(count, nullptr);
    std::vector<lxw_format*> strong(count, bold);
    for (std::size_t c = 0; c < count; ++c) {
        const BatchColumn& column = columns.list[c];
        const char* numbers = column.source == ColumnSource::Figures ? "¥#,##0.00"
                              : ShowsTwoDecimals(column)             ? "0.00"
                                                                     : nullptr;
        if (numbers != nullptr) {
            plain[c] = format(false, numbers);
            strong[c] = format(true, numbers);
        }
    }
    std::vector<double> widths(count, 0.0);
    lxw_error failed = LXW_NO_ERROR;
    for (std::size_t c = 0; c < count && failed == LXW_NO_ERROR; ++c) {
        const std::string& head = columns.list[c].header;
        widths[c] = std::min(DisplayWidth(head), 80.0);
        failed = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), head.c_str(), bold);
    }
    for (std::size_t r = 0; r < cells.size() && failed == LXW_NO_ERROR; ++r) {
        if (!Going(progress, r, cells.size())) {
            workbook_close(workbook);
            return StoppedWriting();
        }
        const bool total = cells.IsTotal(r);
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < count && failed == LXW_NO_ERROR; ++c) {
            const CellValue cell = cells.Cell(r, c);
            if (cell.kind == CellValue::Kind::Empty) {
                continue;
            }
            if (const QString why = Unwritable(columns, r + 1, c, cell.text); !why.isEmpty()) {
                workbook_close(workbook);  // in its own folder, which goes with it
                return QStringLiteral("无法导出“%1”：%2。").arg(path, why);
            }
            widths[c] = std::max(widths[c], std::min(DisplayWidth(cell.text), 80.0));
            const auto column = static_cast<lxw_col_t>(c);
            const bool number =
                cell.kind == CellValue::Kind::Number || cell.kind == CellValue::Kind::Yuan;
            failed = number ? worksheet_write_number(sheet, row, column, cell.number,
                                                     total ? strong[c] : plain[c])
                            : worksheet_write_string(sheet, row, column, cell.text.c_str(),
                                                     total ? bold : nullptr);
        }
    }
    for (std::size_t c = 0; c < count; ++c) {
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             widths[c] + 2, nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error closed = workbook_close(workbook);
    if (failed != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        return CannotWrite(path, LibraryErrorText(failed != LXW_NO_ERROR ? failed : closed));
    }
    QFile made(temporary);
    if (!made.open(QIODevice::ReadOnly)) {
        return CannotWrite(path, QStringLiteral("无法读取生成的工作簿"));
    }
    return WriteWholeFile(path, made.readAll());
}

QString WriteCsv(const QString& path, const BatchColumns& columns,
                 const std::vector<BatchRow>& rows, const Progress& progress)
{
    const FileRows cells(columns, rows);
    std::string out("\xEF\xBB\xBF");  // UTF-8 byte-order mark
    const std::size_t count = columns.list.size();
    for (std::size_t c = 0; c < count; ++c) {
        if (c > 0) {
            out += ',';
        }
        AppendCsvCell(out, columns.list[c].header, false);
    }
    out += "\r\n";
    for (std::size_t r = 0; r < cells.size(); ++r) {
        if (!Going(progress, r, cells.size())) {
            return StoppedWriting();
        }
        for (std::size_t c = 0; c < count; ++c) {
            if (c > 0) {
                out += ',';
            }
            const bool given = columns.list[c].edited && !cells.IsTotal(r);
            AppendCsvCell(out, cells.Cell(r, c).text, given);
        }
        out += "\r\n";
    }
    return WriteWholeFile(path, QByteArray::fromStdString(out));
}

}  // namespace kelvora::ui
