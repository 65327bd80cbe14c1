#include "ui/batch/table_files.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "ui/common/file_write.h"
#include "ui/common/qt_text.h"

namespace kelvora::ui {
namespace {

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

QString CsvCell(const std::string& cell)
{
    QString text = ToQString(cell);
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

}  // namespace

std::vector<bool> NumberColumns(const BatchColumns& columns)
{
    std::vector<bool> numbers;
    numbers.reserve(columns.list.size());
    for (const BatchColumn& column : columns.list) {
        numbers.push_back(column.source == ColumnSource::Result && IsNumeric(column.type));
    }
    return numbers;
}

QString WriteXlsx(const QString& path, const std::vector<Cells>& table,
                  const std::vector<bool>& numbers, bool totalRow)
{
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
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format* twoDecimals = workbook_add_format(workbook);
    format_set_num_format(twoDecimals, "0.00");
    lxw_format* boldTwoDecimals = workbook_add_format(workbook);
    format_set_bold(boldTwoDecimals);
    format_set_num_format(boldTwoDecimals, "0.00");

    // Each column's format is chosen once: figures with two decimals where
    // every figure of the column shows two.
    std::vector<lxw_format*> plain(numbers.size(), nullptr);
    std::vector<lxw_format*> strongFormats(numbers.size(), bold);
    for (std::size_t c = 0; c < numbers.size(); ++c) {
        if (numbers[c] && TwoDecimals(table, c)) {
            plain[c] = twoDecimals;
            strongFormats[c] = boldTwoDecimals;
        }
    }
    std::vector<double> widths;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const bool strong = r == 0 || (totalRow && r + 1 == table.size());
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            const std::string& cell = table[r][c];
            widths.resize(std::max(widths.size(), c + 1), 0.0);
            widths[c] = std::max(widths[c], DisplayWidth(cell));
            const auto row = static_cast<lxw_row_t>(r);
            const auto column = static_cast<lxw_col_t>(c);
            if (r > 0 && c < numbers.size() && numbers[c] && !cell.empty()) {
                worksheet_write_number(sheet, row, column, std::strtod(cell.c_str(), nullptr),
                                       strong ? strongFormats[c] : plain[c]);
            } else if (!cell.empty()) {
                worksheet_write_string(sheet, row, column, cell.c_str(), strong ? bold : nullptr);
            }
        }
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             std::min(widths[c] + 2, 80.0), nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        return CannotWrite(path, LibraryErrorText(closed));
    }
    QFile made(temporary);
    if (!made.open(QIODevice::ReadOnly)) {
        return CannotWrite(path, QStringLiteral("无法读取生成的工作簿"));
    }
    return WriteWholeFile(path, made.readAll());
}

QString WriteCsv(const QString& path, const std::vector<Cells>& table)
{
    QByteArray bytes("\xEF\xBB\xBF");  // UTF-8 byte-order mark
    for (const Cells& row : table) {
        QStringList cells;
        for (const std::string& cell : row) {
            cells << CsvCell(cell);
        }
        bytes += cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return WriteWholeFile(path, bytes);
}

}  // namespace kelvora::ui
