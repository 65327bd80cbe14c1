#include "ui/batch/table_files.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/float_error.h"
#include "calc/number_text.h"
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

// Whether every figure of a column shows exactly two decimals.
bool TwoDecimals(const std::vector<Cells>& table, std::size_t column)
{
    bool any = false;
    for (std::size_t r = 1; r < table.size(); ++r) {
        const std::string& cell = column < table[r].size() ? table[r][column] : std::string();
        if (cell.empty()) {
            continue;
        }
        const auto point = cell.find('.');
        if (point == std::string::npos || cell.size() - point != 3) {
            return false;
        }
        any = true;
    }
    return any;
}

// The number a cell is, where the whole of its text is one; "¥1,234.50" for yuan.
std::optional<double> NumberOf(const std::string& cell, CellFormat format)
{
    std::string text(Trimmed(cell));
    if (format == CellFormat::Yuan) {
        text.erase(std::remove(text.begin(), text.end(), ','), text.end());
        const auto sign = text.find("¥");
        if (sign == std::string::npos) {
            return std::nullopt;
        }
        text.erase(sign, std::string_view("¥").size());
    }
    if (text.empty()) {
        return std::nullopt;
    }
    try {
        const LeadingNumber number = ReadLeadingNumber(text);
        if (number.length != text.size() || !std::isfinite(number.value)) {
            return std::nullopt;
        }
        return number.value;
    } catch (const FloatingPointError&) {
        return std::nullopt;  // past the double range: kept as its text
    }
}

// Why the table cannot be an .xlsx, naming the first cell that stops it.
QString Unwritable(const std::vector<Cells>& table)
{
    if (table.size() > kSheetRows) {
        return QStringLiteral("表格有 %1 行，超过 Excel 工作表的上限 %2 行")
            .arg(table.size())
            .arg(kSheetRows);
    }
    for (std::size_t r = 1; r < table.size(); ++r) {
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            const std::string& cell = table[r][c];
            const QString where =
                QStringLiteral("第 %1 行“%2”列的单元格")
                    .arg(r)
                    .arg(c < table[0].size() ? ToQString(table[0][c]) : QString());
            if (cell.find('\0') != std::string::npos) {
                return where + QStringLiteral("含有空字符（NUL），Excel 无法保存");
            }
            if (cell.size() > kCellCharacters && Characters(cell) > kCellCharacters) {
                return where + QStringLiteral("有 %1 个字符，超过 Excel 单元格的上限 %2 个")
                                   .arg(Characters(cell))
                                   .arg(kCellCharacters);
            }
        }
    }
    return {};
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

QString CsvCell(const std::string& cell, CellFormat format)
{
    QString text = ToQString(cell);
    if ((format == CellFormat::Given || format == CellFormat::Amount) && StartsAFormula(cell)) {
        text.prepend(QLatin1Char('\''));
    }
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

bool Going(const Progress& progress, std::size_t done, std::size_t total)
{
    return !progress || done % 1000 != 0 || progress(done, total);
}

}  // namespace

std::vector<CellFormat> FormatsOf(const BatchColumns& columns)
{
    std::vector<CellFormat> formats;
    formats.reserve(columns.list.size());
    for (const BatchColumn& column : columns.list) {
        switch (column.source) {
            case ColumnSource::Result:
                formats.push_back(IsNumeric(column.type) ? CellFormat::Figure : CellFormat::Text);
                break;
            case ColumnSource::Figures:
                formats.push_back(CellFormat::Yuan);
                break;
            case ColumnSource::Input:
                formats.push_back(IsNumeric(column.type) ? CellFormat::Amount : CellFormat::Given);
                break;
            case ColumnSource::Lot:
            case ColumnSource::Kept:
                formats.push_back(CellFormat::Given);
                break;
            case ColumnSource::Capitals:
            case ColumnSource::Notes:
                formats.push_back(CellFormat::Text);
                break;
        }
    }
    return formats;
}

QString StoppedWriting()
{
    return StoppedByUser();
}

QString WriteXlsx(const QString& path, const std::vector<Cells>& table,
                  const std::vector<CellFormat>& formats, bool totalRow, const Progress& progress)
{
    if (const QString why = Unwritable(table); !why.isEmpty()) {
        return QStringLiteral("无法导出“%1”：%2。").arg(path, why);
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
    // Each column's format, plain and bold, chosen once.
    std::vector<lxw_format*> plain(formats.size(), nullptr);
    std::vector<lxw_format*> strong(formats.size(), bold);
    for (std::size_t c = 0; c < formats.size(); ++c) {
        const char* numbers = formats[c] == CellFormat::Yuan ? "¥#,##0.00"
                              : formats[c] == CellFormat::Figure && TwoDecimals(table, c) ? "0.00"
                                                                                          : nullptr;
        if (numbers != nullptr) {
            plain[c] = format(false, numbers);
            strong[c] = format(true, numbers);
        }
    }
    std::vector<double> widths;
    lxw_error failed = LXW_NO_ERROR;
    for (std::size_t r = 0; r < table.size() && failed == LXW_NO_ERROR; ++r) {
        if (!Going(progress, r, table.size())) {
            workbook_close(workbook);
            return StoppedWriting();
        }
        const bool bolder = r == 0 || (totalRow && r + 1 == table.size());
        for (std::size_t c = 0; c < table[r].size() && failed == LXW_NO_ERROR; ++c) {
            const std::string& cell = table[r][c];
            widths.resize(std::max(widths.size(), c + 1), 0.0);
            widths[c] = std::max(widths[c], std::min(DisplayWidth(cell), 80.0));
            const auto row = static_cast<lxw_row_t>(r);
            const auto column = static_cast<lxw_col_t>(c);
            const CellFormat kind = r > 0 && c < formats.size() ? formats[c] : CellFormat::Text;
            lxw_format* shown = c < formats.size() ? (bolder ? strong[c] : plain[c]) : nullptr;
            if (cell.empty()) {
                continue;
            }
            const std::optional<double> number =
                kind == CellFormat::Text || kind == CellFormat::Given ? std::nullopt
                                                                      : NumberOf(cell, kind);
            failed = number ? worksheet_write_number(sheet, row, column, *number, shown)
                            : worksheet_write_string(sheet, row, column, cell.c_str(),
                                                     bolder ? bold : nullptr);
        }
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
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

QString WriteCsv(const QString& path, const std::vector<Cells>& table,
                 const std::vector<CellFormat>& formats, const Progress& progress)
{
    QByteArray bytes("\xEF\xBB\xBF");  // UTF-8 byte-order mark
    for (std::size_t r = 0; r < table.size(); ++r) {
        if (!Going(progress, r, table.size())) {
            return StoppedWriting();
        }
        QStringList cells;
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            const CellFormat kind = r > 0 && c < formats.size() ? formats[c] : CellFormat::Text;
            cells << CsvCell(table[r][c], kind);
        }
        bytes += cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return WriteWholeFile(path, bytes);
}

}  // namespace kelvora::ui
