// The .xlsx reader against workbooks of two other writers: openpyxl (the
// fixtures, see fixtures/make_fixtures.py, with a workbook made by hand as
// Excel writes one) and libxlsxwriter (the program's own exports); and the
// workbooks it must refuse, each with the sheet and the cell.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "calc/batch.h"
#include "calc/calculators.h"
#include "ui/batch/table_files.h"
#include "ui/batch/xlsx_reader.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

QString Fixture(const char* name)
{
    return QStringLiteral(":/fixtures/") + QString::fromUtf8(name);
}

// A sheet's rows as "row number: cell|cell|…".
QStringList Lines(const ui::SheetRows& sheet)
{
    QStringList lines;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        QStringList cells;
        for (const std::string& cell : sheet.rows[r]) {
            cells << QString::fromStdString(cell);
        }
        lines << QString::number(sheet.numbers[r]) + ": " + cells.join('|');
    }
    return lines;
}

TEST(XlsxReader, ReadsWhatOtherWritersWrote)
{
    const struct {
        const char* file;
        QStringList sheets;
        int sheet;
        QStringList lines;  // those given, from the first
    } cases[] = {
        {"shared.xlsx",
         {"工程"},
         0,
         // shared strings, rich runs without their phonetic guide, an escaped
         // CR; a scientific format is no date, a Chinese one is; a formula's
         // string and an error as saved
         {"1: 标段|中标金额|服务类型", "3: 第一\r标段|6000|工程招标",
          "4: |2024/3/1|工程招标||#N/A"}},
        {"kinds.xlsx",
         {"Sheet1"},
         0,
         // numbers as Excel shows them in General, booleans in words, empty rows left out
         {"1: 标段|中标金额|服务类型|单独提供编制招标文件服务", "2: 一|6000|工程招标|是",
          "3: 二|0.3|货物招标|否", "4: 三|12800|服务招标", "6: 五|0.00001|工程招标|否"}},
        {"dates.xlsx",
         {"Sheet"},
         0,
         {"1: 标段|开工日期|竣工日期", "2: A|2009/2/6|2010/2/6", "3: B|2024/2/29|2025/3/1"}},
        {"dates1904.xlsx",
         {"Sheet"},
         0,
         {"1: 标段|开工日期|竣工日期", "2: A|2009/2/6|2010/2/6", "3: B|2024/2/29|2025/3/1"}},
        {"cached.xlsx",
         {"Sheet"},
         0,
         {"1: 标段|中标金额|服务类型|单独提供编制招标文件服务", "2: 一|6000|工程招标|否",
          "3: 二|12000|工程招标|否"}},
        {"clerk20.xlsx",
         {"标段", "说明"},
         0,
         {"1: 序号|标段名称|中标人|中标金额（元）|备注", "2: 1|第1标段|中标单位1有限公司|86452300",
          "3: 2|第2标段|中标单位2有限公司|12800000", "4: 3|第3标段|中标单位3有限公司|5600000.5"}},
        {"clerk20.xlsx", {"标段", "说明"}, 1, {"1: 本表金额单位为元"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QString problem;
        const auto workbook = ui::XlsxWorkbook::Open(Fixture(c.file), problem);
        ASSERT_TRUE(workbook.has_value()) << problem.toStdString();
        EXPECT_EQ(workbook->sheets(), c.sheets);
        const auto sheet = workbook->Read(c.sheet, problem);
        ASSERT_TRUE(sheet.has_value()) << problem.toStdString();
        const QStringList lines = Lines(*sheet);
        ASSERT_GE(lines.size(), c.lines.size());
        for (qsizetype i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(lines[i], c.lines[i]);
        }
    }
}

TEST(XlsxReader, RefusesWhatItCannotReadAsItStands)
{
    QFile clerk(Fixture("clerk20.xlsx"));
    ASSERT_TRUE(clerk.open(QIODevice::ReadOnly));
    const QByteArray whole = clerk.readAll();
    QFile sharedFile(Fixture("shared.xlsx"));
    ASSERT_TRUE(sharedFile.open(QIODevice::ReadOnly));
    QByteArray altered = sharedFile.readAll();
    altered[altered.indexOf("6000")] = '9';  // a stored entry no longer matches its CRC
    const struct {
        const char* what;
        QByteArray bytes;  // written to a file; empty: the fixture `file`
        const char* file;
        const char* said;
    } cases[] = {
        {"a formula saved without its value",
         {},
         "formula.xlsx",
         "工作表“Sheet”的单元格 B3 是公式，文件中没有保存它的计算结果"},
        {"merged cells", {}, "merged.xlsx", "工作表“Sheet”有合并的单元格 A2:A3"},
        {"cut short", whole.left(whole.size() / 2), nullptr, "已损坏"},
        {"altered", altered, nullptr, "已损坏"},
        {"a password", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(600, '\0'),
         nullptr, "设有打开密码"},
        {"text", QByteArray("标段,中标金额\n"), nullptr, "不是 Excel 工作簿"},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString path = c.file != nullptr ? Fixture(c.file) : folder.filePath("book.xlsx");
        if (c.file == nullptr) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.bytes);
        }
        QString problem;
        const auto workbook = ui::XlsxWorkbook::Open(path, problem);
        if (workbook) {
            EXPECT_FALSE(workbook->Read(0, problem).has_value());
        }
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.said))) << problem.toStdString();
        EXPECT_TRUE(problem.endsWith(QStringLiteral("表格未作改动。"))) << problem.toStdString();
    }
}

// The program's own export (libxlsxwriter) reads back as the lots it holds:
// given cells as given, figures as numbers, words as words.
TEST(XlsxReader, ReadsBackTheProgramsOwnExport)
{
    const Lots lots = LotsOf(TenderFeeCalculator(),
                             "标段\t中标金额\t服务类型\t单独提供编制招标文件服务\n"
                             "一标段\t6000\t工程招标\t是\n"
                             "二标段\t12,345.67\t服务招标\t\n");
    QTemporaryDir folder;
    const QString path = folder.filePath("lots.xlsx");
    ASSERT_EQ(ui::WriteXlsx(path, lots.columns, lots.rows), "");
    QString problem;
    const auto workbook = ui::XlsxWorkbook::Open(path, problem);
    ASSERT_TRUE(workbook.has_value()) << problem.toStdString();
    const auto sheet = workbook->Read(0, problem);
    ASSERT_TRUE(sheet.has_value()) << problem.toStdString();
    const QStringList lines = Lines(*sheet);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("1: 标段|中标金额|服务类型|单独提供编制招标文件服务|"));
    EXPECT_EQ(lines[1], "2: 一标段|6000|工程招标|是|29.315|293150|人民币贰拾玖万叁仟壹佰伍拾元整");
    EXPECT_TRUE(lines[2].startsWith("3: 二标段|12,345.67|服务招标")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("4: 合计||||29.315|293150|")) << lines[3].toStdString();
    // and read back into a batch, the same lots
    const Lots again = LotsOf(TenderFeeCalculator(),
                              "标段\t中标金额\t服务类型\t单独提供编制招标文件服务\n"
                              "一标段\t6000\t工程招标\t是\n");
    EXPECT_EQ(FileText(again.columns.list[4], again.rows[0]), sheet->rows[1][4]);
}

TEST(XlsxReader, NamesCellsAsSpreadsheetsDo)
{
    const struct {
        std::size_t column;
        std::uint32_t row;
        const char* name;
    } cases[] = {{0, 1, "A1"},    {25, 9, "Z9"},    {26, 10, "AA10"},
                 {701, 2, "ZZ2"}, {702, 3, "AAA3"}, {16383, 1048576, "XFD1048576"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ui::CellName(c.column, c.row), QString::fromUtf8(c.name));
    }
}

}  // namespace
}  // namespace kelvora::testing
