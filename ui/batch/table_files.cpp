#include "ui/batch/table_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "ui/common/file_write.h"
#include "ui/common/output_loader.h"
#include "ui/common/qt_text.h"
#include "ui/common/save_flow.h"

namespace kelvora::ui {
namespace {

// Excel's limits: characters in a cell, rows in a worksheet.
constexpr std::size_t kCellCharacters = 32767;
constexpr std::size_t kSheetRows = 1048576;

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
    // The text alone, as a CSV file holds it.
    std::string Text(std::size_t r, std::size_t c) const
    {
        const BatchColumn& column = m_columns.list[c];
        return IsTotal(r) ? TotalText(column, *m_total) : FileText(column, m_rows[r]);
    }

private:
    const BatchColumns& m_columns;
    const std::vector<BatchRow>& m_rows;
    std::optional<BatchTotal> m_total;
};

// The first character of `text` the XML of an .xlsx cannot hold (the
// control characters but tab, LF and CR; U+FFFE, U+FFFF), or 0.
char32_t XmlIllegal(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
            return byte == 0 ? U'\uFFFD' : byte;  // NUL said as such below
        }
        if (byte == 0xEF && i + 2 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) == 0xBF &&
            (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xBE) {
            return static_cast<unsigned char>(text[i + 2]) == 0xBE ? 0xFFFE : 0xFFFF;
        }
    }
    return 0;
}

// Why a cell cannot be in an .xlsx, naming it (row 0 is the header), or empty.
QString Unwritable(const BatchColumns& columns, std::size_t row, std::size_t column,
                   const std::string& text)
{
    const bool nul = text.find('\0') != std::string::npos;
    const char32_t illegal = nul ? 0 : XmlIllegal(text);
    const bool tooLong = text.size() > kCellCharacters && Characters(text) > kCellCharacters;
    if (!nul && illegal == 0 && !tooLong) {
        return {};
    }
    const QString where =
        row == 0 ? QStringLiteral("标题行“%1”列").arg(ToQString(columns.list[column].header))
                 : QStringLiteral("第 %1 行“%2”列的单元格")
                       .arg(row)
                       .arg(ToQString(columns.list[column].header));
    if (illegal != 0) {
        const QString code =
            QStringLiteral("%1").arg(static_cast<uint>(illegal), 4, 16, QLatin1Char('0')).toUpper();
        return where + QStringLiteral("含有 Excel 无法保存的字符 U+%1").arg(code);
    }
    return nul ? where + QStringLiteral("含有空字符（NUL），Excel 无法保存")
               : where + QStringLiteral("有 %1 个字符，超过 Excel 单元格的上限 %2 个")
                             .arg(Characters(text))
                             .arg(kCellCharacters);
}

// The bytes of the blank or invisible character at the start of `text` (a
// space, tab, CR, LF, VT, FF; U+00A0, U+3000; the byte-order mark U+FEFF, the
// zero-width U+200B-U+200D and U+2060), or 0: a spreadsheet program skips them
// before it decides whether a cell is a formula.
std::size_t InvisibleLead(std::string_view text)
{
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned char c = byte(0);
    if (c == ' ' || (c >= '\t' && c <= '\r')) {
        return 1;
    }
    if (c == 0xC2 && byte(1) == 0xA0) {
        return 2;
    }
    const bool invisible = (c == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) ||
                           (c == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) ||
                           (c == 0xE2 && byte(1) == 0x80 && byte(2) >= 0x8B && byte(2) <= 0x8D) ||
                           (c == 0xE2 && byte(1) == 0x81 && byte(2) == 0xA0);
    return invisible ? 3 : 0;
}

// Whether a spreadsheet program would take a CSV cell for a formula: a tab or
// CR first, or = + - @ (or their full-width forms) first after what is blank
// or invisible.
bool StartsAFormula(std::string_view cell)
{
    if (cell.empty()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(cell.front());
    if (first == '\t' || first == '\r') {
        return true;
    }
    // most cells start with a digit, a letter or a Chinese character: none of these
    const bool plain = (first >= '0' && first <= '9') || (first >= 'A' && first <= 'z') ||
                       (first >= 0xE4 && first <= 0xE9);
    if (plain) {
        return false;
    }
    std::string_view text = cell;
    while (const std::size_t lead = InvisibleLead(text)) {
        text.remove_prefix(lead);
    }
    for (std::string_view lead : {"=", "+", "-", "@", "＝", "＋", "－", "＠"}) {
        if (text.substr(0, lead.size()) == lead) {
            return true;
        }
    }
    return false;
}

// A CSV cell: quoted where it holds a comma, a quote or a line break; a cell
// the user gave that would start a formula after an apostrophe.
void AppendCsvCell(std::string& out, std::string_view cell, bool given)
{
    bool quoted = false;
    bool quotes = false;
    for (const char c : cell) {
        quotes = quotes || c == '"';
        quoted = quoted || c == ',' || c == '"' || c == '\n' || c == '\r';
    }
    if (quoted) {
        out += '"';
    }
    if (given && StartsAFormula(cell)) {
        out += '\'';
    }
    if (!quotes) {
        out += cell;
    } else {
        for (const char c : cell) {
            out += c;
            if (c == '"') {
                out += '"';
            }
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
    QString problem;
    const OutputModule* module = OutputModuleOf(problem);
    if (module == nullptr) {
        return problem;
    }
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
    std::vector<WorkbookColumn> heads;
    for (const BatchColumn& column : columns.list) {
        // a fee in 万元 to its 分 as written; other two-decimal figures as shown
        const NumberFormat format = column.source == ColumnSource::Figures ? NumberFormat::Yuan
                                    : HoldsMoney(column)                   ? NumberFormat::General
                                    : ShowsTwoDecimals(column) ? NumberFormat::TwoDecimals
                                                               : NumberFormat::General;
        heads.push_back({column.header, format});
    }
    for (std::size_t c = 0; c < columns.list.size(); ++c) {
        if (const QString header = Unwritable(columns, 0, c, columns.list[c].header);
            !header.isEmpty()) {
            return CannotWrite(path, header);
        }
    }
    QString refused;  // a cell the format cannot hold
    bool stopped = false;
    const auto fill = [&](std::size_t r, std::vector<WorkbookCell>& out, bool& strong) {
        if (!Going(progress, r, cells.size())) {
            stopped = true;
            return false;
        }
        strong = cells.IsTotal(r);
        for (std::size_t c = 0; c < out.size(); ++c) {
            CellValue cell = cells.Cell(r, c);
            refused = Unwritable(columns, r + 1, c, cell.text);
            if (!refused.isEmpty()) {
                return false;
            }
            const bool number =
                cell.kind == CellValue::Kind::Number || cell.kind == CellValue::Kind::Yuan;
            out[c] = {cell.kind == CellValue::Kind::Empty ? WorkbookCell::Kind::Empty
                      : number                            ? WorkbookCell::Kind::Number
                                                          : WorkbookCell::Kind::Text,
                      std::move(cell.text), cell.number};
        }
        return true;
    };
    const QString temporary = folder.filePath(QStringLiteral("workbook.xlsx"));
    const QString failed = module->WriteWorkbook(temporary, "批量计算", heads, cells.size(), fill);
    if (stopped) {
        return StoppedWriting();
    }
    if (!refused.isEmpty()) {
        return QStringLiteral("无法导出“%1”：%2。").arg(path, refused);
    }
    if (!failed.isEmpty()) {
        return CannotWrite(path, failed);
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
    out.reserve(rows.size() * 64 * columns.list.size() / 4);
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
            AppendCsvCell(out, cells.Text(r, c), given);
        }
        out += "\r\n";
    }
    return WriteWholeFile(path, QByteArray::fromStdString(out));
}

}  // namespace kelvora::ui
