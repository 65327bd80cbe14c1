#include "ui/batch/xlsx_reader.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "calc/float_error.h"
#include "calc/number_text.h"
#include "ui/batch/zip_archive.h"
#include "ui/common/qt_text.h"

namespace kelvora::ui {

// The archive and what every sheet needs: shared strings, which styles show
// dates, the calendar, and where each sheet stands.
struct XlsxWorkbook::Parts {
    std::string bytes;
    std::optional<ZipArchive> zip;
    QString file;                      // for messages
    std::vector<std::string> strings;  // shared strings
    std::vector<bool> dateStyles;      // per cell style: a date
    bool date1904 = false;
    std::vector<std::string> sheetParts;
};

namespace {

// The largest part inflated: the XML of a sheet of 1,000,000 lots is below it.
constexpr std::size_t kMaxPartBytes = std::size_t{1} << 30;

QString Damaged(const QString& file, const QString& why = {})
{
    return QStringLiteral("文件“%1”已损坏，无法读取%2。表格未作改动。")
        .arg(file, why.isEmpty() ? QString() : QStringLiteral("（%1）").arg(why));
}

QString ZipProblemText(ZipProblem problem, const QString& file, const QString& part)
{
    switch (problem) {
        case ZipProblem::Encrypted:
            return QStringLiteral(
                       "文件“%1”已加密，无法读取：请在 Excel 中取消密码后另存，再打开。"
                       "表格未作改动。")
                .arg(file);
        case ZipProblem::TooLarge:
            return QStringLiteral("文件“%1”中的“%2”解压后过大，无法读取。表格未作改动。")
                .arg(file, part);
        case ZipProblem::Missing:
            return Damaged(file, QStringLiteral("缺少“%1”").arg(part));
        default:
            return Damaged(file, part);
    }
}

QByteArray Raw(const std::string& xml)
{
    return QByteArray::fromRawData(xml.data(), static_cast<qsizetype>(xml.size()));
}

// The attribute of local name `name`, whatever its namespace (r:id, id).
QString Attribute(const QXmlStreamReader& xml, QStringView name)
{
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        if (attribute.name() == name) {
            return attribute.value().toString();
        }
    }
    return {};
}

// OOXML writes characters XML cannot hold as _xHHHH_ ("_x000D_" for CR).
std::string Unescaped(const QString& text)
{
    if (!text.contains(QStringLiteral("_x"))) {
        return text.toStdString();
    }
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('_') && i + 6 < text.size() && text[i + 1] == QLatin1Char('x') &&
            text[i + 6] == QLatin1Char('_')) {
            bool hex = false;
            const uint code = text.mid(i + 2, 4).toUInt(&hex, 16);
            if (hex) {
                out += QChar(static_cast<char16_t>(code));
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out.toStdString();
}

// A part's path from a relationship's target, relative to `folder` ("xl/").
std::string PartPath(const QString& target, const QString& folder)
{
    QString path = target.startsWith(QLatin1Char('/')) ? target.mid(1) : folder + target;
    return QDir::cleanPath(path).toStdString();
}

// The texts of a string item (<si> or <is>): its <t>, or the <t> of its runs;
// not the phonetic guide (<rPh>).
std::string ItemText(QXmlStreamReader& xml)
{
    const QString item = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QStringLiteral("rPh")) {
                ++phonetic;
            } else if (xml.name() == QStringLiteral("t") && phonetic == 0) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement()) {
            if (xml.name() == QStringLiteral("rPh")) {
                --phonetic;
            } else if (xml.name() == item) {
                break;
            }
        }
    }
    return Unescaped(text);
}

// Whether a number format shows a date: a built-in one, or a code with a day
// or a year outside its quoted texts and brackets.
bool IsDateFormat(int id, const QString& code)
{
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58)) {
        return true;
    }
    if (code.isEmpty()) {
        return false;
    }
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('[')) {
            bracket = true;
        } else if (c == QLatin1Char(']')) {
            bracket = false;
        } else if (!bracket && (c == QLatin1Char('y') || c == QLatin1Char('d') ||
                                c == QChar(u'年') || c == QChar(u'日'))) {
            return true;
        }
    }
    return false;
}

// The day a serial number of a date style stands for: "2009/2/6".
std::optional<std::string> SerialDate(double serial, bool date1904)
{
    using namespace std::chrono;
    if (!(serial >= 1 && serial < 2958466)) {  // up to 9999-12-31
        return std::nullopt;
    }
    const auto days = static_cast<int>(std::floor(serial));
    sys_days day;
    if (date1904) {
        day = sys_days{year{1904} / January / 1} + std::chrono::days{days};
    } else if (days == 60) {
        return std::nullopt;  // 1900-02-29, a day Excel counts and the calendar lacks
    } else {
        day = sys_days{year{1899} / December / (days < 60 ? 31 : 30)} + std::chrono::days{days};
    }
    const year_month_day ymd{day};
    return std::to_string(static_cast<int>(ymd.year())) + "/" +
           std::to_string(static_cast<unsigned>(ymd.month())) + "/" +
           std::to_string(static_cast<unsigned>(ymd.day()));
}

// A number as Excel shows it in General in a wide cell: its 15 significant
// digits, written out without an exponent ("0.00001", "86452300").
std::optional<std::string> NumberText(const std::string& value, double& number)
{
    const char* end = value.data() + value.size();
    const auto [at, error] = std::from_chars(value.data(), end, number);
    if (error != std::errc() || at != end || !std::isfinite(number)) {
        return std::nullopt;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.14e", number);  // d.dddddddddddddde±x
    const std::string scientific(buffer);
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits = scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    digits.erase(1, 1);  // the point
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int exponent = std::stoi(scientific.substr(e + 1));
    if (exponent > 20 || exponent < -20) {
        return FormatGeneral(number);  // beyond what a lot holds: as VB writes it
    }
    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
              digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    if (digits == "0") {
        out = "0";
    }
    return negative && out != "0" ? "-" + out : out;
}

// Column and row of a cell's name ("C7" -> 2, 7).
bool ReadCellName(const QString& name, std::size_t& column, std::uint32_t& row)
{
    qsizetype i = 0;
    std::size_t letters = 0;
    for (; i < name.size() && name[i] >= QLatin1Char('A') && name[i] <= QLatin1Char('Z'); ++i) {
        letters = letters * 26 + static_cast<std::size_t>(name[i].unicode() - 'A' + 1);
    }
    bool number = false;
    const uint parsed = name.mid(i).toUInt(&number);
    if (i == 0 || i > 3 || !number || parsed == 0 || letters > 16384) {
        return false;
    }
    column = letters - 1;
    row = parsed;
    return true;
}

QString SheetLabel(const QString& name)
{
    return QStringLiteral("工作表“%1”").arg(name);
}

}  // namespace

QString CellName(std::size_t column, std::uint32_t row)
{
    QString letters;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26) {
        letters.prepend(QChar(static_cast<char16_t>('A' + (n - 1) % 26)));
    }
    return letters + QString::number(row);
}

XlsxWorkbook::XlsxWorkbook(std::shared_ptr<const Parts> parts) : m_parts(std::move(parts)) {}

std::optional<XlsxWorkbook> XlsxWorkbook::Open(const QString& path, QString& problem)
{
    const QString file = QDir::toNativeSeparators(path);
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("无法读取文件“%1”。表格未作改动。").arg(file);
        return std::nullopt;
    }
    if (input.size() > kMaxFileBytes) {
        problem = QStringLiteral("文件“%1”有 %2 MB，超过可读取的 %3 MB。表格未作改动。")
                      .arg(file)
                      .arg(input.size() / (1024 * 1024))
                      .arg(kMaxFileBytes / (1024 * 1024));
        return std::nullopt;
    }
    auto parts = std::make_shared<Parts>();
    parts->file = file;
    const QByteArray bytes = input.readAll();
    parts->bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (parts->bytes.rfind("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 0) == 0) {
        // a compound file: a workbook with a password to open, or one of Excel 97-2003
        problem = QStringLiteral(
                      "文件“%1”设有打开密码，或是旧版 Excel 97-2003 工作簿（.xls）：请在 Excel "
                      "中取消密码或另存为 .xlsx 后再打开。表格未作改动。")
                      .arg(file);
        return std::nullopt;
    }
    ZipProblem zipProblem = ZipProblem::None;
    parts->zip = ZipArchive::Open(parts->bytes, zipProblem);
    if (!parts->zip) {
        problem =
            zipProblem == ZipProblem::NotZip
                ? QStringLiteral("文件“%1”不是 Excel 工作簿（.xlsx）。表格未作改动。").arg(file)
                : Damaged(file);
        return std::nullopt;
    }
    const ZipArchive& zip = *parts->zip;
    const auto read = [&](const std::string& name) -> std::optional<std::string> {
        auto part = zip.Read(name, kMaxPartBytes, zipProblem);
        if (!part) {
            problem = ZipProblemText(zipProblem, file, QString::fromStdString(name));
        }
        return part;
    };
    // the relationships of the workbook: its sheets, shared strings and styles
    const auto workbook = read("xl/workbook.xml");
    const auto relations = workbook ? read("xl/_rels/workbook.xml.rels") : std::nullopt;
    if (!relations) {
        return std::nullopt;
    }
    QHash<QString, std::string> targets;
    std::string stringsPart = "xl/sharedStrings.xml";
    std::string stylesPart = "xl/styles.xml";
    {
        QXmlStreamReader xml(Raw(*relations));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QStringLiteral("Relationship")) {
                const std::string target =
                    PartPath(Attribute(xml, u"Target"), QStringLiteral("xl/"));
                const QString type = Attribute(xml, u"Type");
                targets.insert(Attribute(xml, u"Id"), target);
                if (type.endsWith(QStringLiteral("/sharedStrings"))) {
                    stringsPart = target;
                } else if (type.endsWith(QStringLiteral("/styles"))) {
                    stylesPart = target;
                }
            }
        }
        if (xml.hasError()) {
            problem = Damaged(file, QStringLiteral("xl/_rels/workbook.xml.rels"));
            return std::nullopt;
        }
    }
    XlsxWorkbook result(parts);
    {
        QXmlStreamReader xml(Raw(*workbook));
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.name() == QStringLiteral("workbookPr")) {
                const QString date1904 = Attribute(xml, u"date1904");
                parts->date1904 =
                    date1904 == QStringLiteral("1") || date1904 == QStringLiteral("true");
            } else if (xml.name() == QStringLiteral("sheet")) {
                const auto target = targets.find(Attribute(xml, u"id"));
                if (target == targets.end()) {
                    problem = Damaged(file, QStringLiteral("xl/workbook.xml"));
                    return std::nullopt;
                }
                result.m_names << Attribute(xml, u"name");
                parts->sheetParts.push_back(*target);
            }
        }
        if (xml.hasError() || result.m_names.isEmpty()) {
            problem = Damaged(file, QStringLiteral("xl/workbook.xml"));
            return std::nullopt;
        }
    }
    if (zip.Has(stringsPart)) {
        const auto strings = read(stringsPart);
        if (!strings) {
            return std::nullopt;
        }
        QXmlStreamReader xml(Raw(*strings));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QStringLiteral("si")) {
                parts->strings.push_back(ItemText(xml));
            }
        }
        if (xml.hasError()) {
            problem = Damaged(file, QString::fromStdString(stringsPart));
            return std::nullopt;
        }
    }
    if (zip.Has(stylesPart)) {
        const auto styles = read(stylesPart);
        if (!styles) {
            return std::nullopt;
        }
        QHash<int, QString> codes;
        bool cellStyles = false;
        QXmlStreamReader xml(Raw(*styles));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QStringLiteral("numFmt")) {
                codes.insert(Attribute(xml, u"numFmtId").toInt(), Attribute(xml, u"formatCode"));
            } else if (xml.name() == QStringLiteral("cellXfs")) {
                cellStyles = xml.isStartElement();
            } else if (cellStyles && xml.isStartElement() && xml.name() == QStringLiteral("xf")) {
                const int id = Attribute(xml, u"numFmtId").toInt();
                parts->dateStyles.push_back(IsDateFormat(id, codes.value(id)));
            }
        }
        if (xml.hasError()) {
            problem = Damaged(file, QString::fromStdString(stylesPart));
            return std::nullopt;
        }
    }
    return result;
}

std::optional<SheetRows> XlsxWorkbook::Read(int index, QString& problem) const
{
    const Parts& parts = *m_parts;
    const QString sheet = SheetLabel(m_names.value(index));
    ZipProblem zipProblem = ZipProblem::None;
    const std::string& name = parts.sheetParts.at(static_cast<std::size_t>(index));
    const auto xmlText = parts.zip->Read(name, kMaxPartBytes, zipProblem);
    if (!xmlText) {
        problem = ZipProblemText(zipProblem, parts.file, QString::fromStdString(name));
        return std::nullopt;
    }
    const auto refuse = [&](const QString& cell, const QString& why) {
        problem = QStringLiteral("%1的单元格 %2 %3。表格未作改动。").arg(sheet, cell, why);
        return std::nullopt;
    };
    SheetRows rows;
    Cells cells;
    std::vector<bool> figures;
    std::uint32_t rowNumber = 0;
    QXmlStreamReader xml(Raw(*xmlText));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QStringLiteral("row")) {
            while (!cells.empty() && cells.back().empty()) {
                cells.pop_back();
            }
            if (!cells.empty()) {
                figures.resize(cells.size());
                rows.rows.push_back(std::move(cells));
                rows.numbers.push_back(rowNumber);
                rows.figures.push_back(std::move(figures));
            }
            cells.clear();
            figures.clear();
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QStringLiteral("mergeCell")) {
            problem = QStringLiteral(
                          "%1有合并的单元格 %2：请取消合并、在每个单元格中填好内容后再打开。"
                          "表格未作改动。")
                          .arg(sheet, Attribute(xml, u"ref"));
            return std::nullopt;
        }
        if (xml.name() == QStringLiteral("row")) {
            const QString number = Attribute(xml, u"r");
            rowNumber = number.isEmpty() ? rowNumber + 1 : number.toUInt();
            if (rowNumber == 0) {
                problem = Damaged(parts.file, sheet);
                return std::nullopt;
            }
            continue;
        }
        if (xml.name() != QStringLiteral("c")) {
            continue;
        }
        std::size_t column = cells.size();
        if (const QString ref = Attribute(xml, u"r"); !ref.isEmpty()) {
            std::uint32_t row = 0;
            if (!ReadCellName(ref, column, row) || row != rowNumber || column < cells.size()) {
                problem = Damaged(parts.file, sheet + QStringLiteral("的单元格 ") + ref);
                return std::nullopt;
            }
        }
        const QString cellName = CellName(column, rowNumber);
        const QString type = Attribute(xml, u"t");
        const QString styleText = Attribute(xml, u"s");
        const std::size_t style = styleText.isEmpty() ? 0 : styleText.toUInt();
        const bool dateStyle = style < parts.dateStyles.size() && parts.dateStyles[style];
        bool formula = false;
        std::optional<std::string> value;
        std::string inline_;
        bool hasInline = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QStringLiteral("c")) {
                break;
            }
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.name() == QStringLiteral("v")) {
                value = xml.readElementText().toStdString();
            } else if (xml.name() == QStringLiteral("f")) {
                formula = true;
                xml.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (xml.name() == QStringLiteral("is")) {
                inline_ = ItemText(xml);
                hasInline = true;
            }
        }
        if (xml.hasError()) {
            break;
        }
        if (value && value->empty()) {
            value.reset();  // <v></v>: no value saved
        }
        std::string text;
        bool figure = false;
        if (type == QStringLiteral("inlineStr")) {
            text = std::move(inline_);
        } else if (!value) {
            if (formula) {
                return refuse(cellName, QStringLiteral("是公式，文件中没有保存它的计算结果："
                                                       "请在 Excel 中打开并保存后再打开"
                                                       "（本程序不计算公式）"));
            }
            if (hasInline) {
                text = std::move(inline_);
            }
        } else if (type == QStringLiteral("s")) {
            std::size_t item = 0;
            const auto [at, error] =
                std::from_chars(value->data(), value->data() + value->size(), item);
            if (error != std::errc() || item >= parts.strings.size()) {
                problem = Damaged(parts.file, sheet + QStringLiteral("的单元格 ") + cellName);
                return std::nullopt;
            }
            text = parts.strings[item];
        } else if (type == QStringLiteral("b")) {
            text = *value == "1" ? "是" : "否";
        } else if (type == QStringLiteral("str") || type == QStringLiteral("e")) {
            text = Unescaped(QString::fromStdString(*value));
        } else if (type == QStringLiteral("d")) {
            // an ISO 8601 date: its day
            const std::string day = value->substr(0, value->find('T'));
            text = day;
            std::replace(text.begin(), text.end(), '-', '/');
        } else {
            double number = 0;
            const auto shown = NumberText(*value, number);
            if (!shown) {
                problem = Damaged(parts.file, sheet + QStringLiteral("的单元格 ") + cellName);
                return std::nullopt;
            }
            if (dateStyle) {
                const auto day = SerialDate(number, parts.date1904);
                if (!day) {
                    return refuse(cellName, QStringLiteral("设为日期格式，但其值 %1 不是有效的日期")
                                                .arg(QString::fromStdString(*shown)));
                }
                text = *day;
            } else {
                text = *shown;
                figure = true;
            }
        }
        if (text.empty()) {
            continue;
        }
        cells.resize(column + 1);
        figures.resize(column + 1);
        cells[column] = std::move(text);
        figures[column] = figure;
    }
    if (xml.hasError()) {
        problem = Damaged(parts.file, sheet);
        return std::nullopt;
    }
    return rows;
}

}  // namespace kelvora::ui
