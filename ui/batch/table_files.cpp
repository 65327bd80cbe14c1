#include "ui/batch/table_files.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/common/file_write.h"
#include "ui/common/qt_text.h"

namespace kelvora::ui {
namespace {

// How wide a text shows in a spreadsheet: Chinese characters count twice.
double DisplayWidth(const std::string& text)
{
    double width = 0;
    for (const QChar c : ToQString(text)) {
        width += c.unicode() >= 0x2E80 ? 2 : 1;
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

QString WriteXlsx(const QString& path, const std::vector<Cells>& table,
                  const std::vector<bool>& numbers, bool totalRow)
{
    // A name of our own beside the target: the workbook is written there and
    // takes the target's place only when closed without error.
    QTemporaryFile reserved(QFileInfo(path).absolutePath() +
                            QStringLiteral("/.kelvora-XXXXXX.xlsx"));
    if (!reserved.open()) {
        return CannotWrite(path, reserved.errorString());
    }
    const QString temporary = reserved.fileName();
    reserved.setAutoRemove(false);
    reserved.close();

    const QByteArray name = QFile::encodeName(temporary);
    lxw_workbook* workbook = workbook_new(name.constData());
    if (workbook == nullptr) {
        QFile::remove(temporary);
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
        QFile::remove(temporary);
        return CannotWrite(path, QString::fromUtf8(lxw_strerror(closed)));
    }
    if (std::rename(name.constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return CannotWrite(path, QStringLiteral("无法替换原有的文件"));
    }
    return {};
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
