// Many lots at once: rows as a spreadsheet copies them, worked out as the
// window would, against figures worked out by hand from the fee standards.

#include "calc/batch.h"

#include "calc/calculators.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora {
namespace {

// The output lines of CalculateRows after its header line.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = text.find('\n') + 1;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

struct Case {
    const char* calculator;
    const char* rows;                   // as pasted
    std::vector<const char*> expected;  // output lines after the header
};

TEST(CalculateRows, EachCalculatorsRowsAsTheWindowWouldGiveThem)
{
    const Case cases[] = {
        // 6000 工程: 1 + 2.8 + 2.75 + 14 + 1000 x 0.2% = 22.55; x 1.3 = 29.315 -> 29.32,
        // in yuan 293,150.00; the 合计 of 小写 adds the 小写 shown
        // 12 服务 (a comma ends the number): 12 x 1.5% = 0.18
        {"tender",
         "标段\t中标金额\t服务类型\t单独提供编制招标文件服务\r\n"
         "一标段\t6000\t工程招标\t是\r\n"
         "\r\n"
         "\"二\t标段\"\t\"12,345.67\"\t服务招标\t\r\n"
         "三标段\t500\t货物\t否\r\n",
         {"一标段\t6000\t工程招标\t是\t29.32\t¥293,150.00\t人民币贰拾玖万叁仟壹佰伍拾元整\t",
          "\"二\t标段\"\t12,345.67\t服务招标\t\t0.18\t¥1,800.00\t人民币壹仟捌佰元整\t"
          "中标金额：按 12 计算，“,345.67”未被读取",
          "三标段\t500\t货物\t否\t\t\t\t请选择服务类型",
          // the doubtful 二标段 is shown and left out of the 合计
          "合计\t\t\t\t29.315\t¥293,150.00\t人民币贰拾玖万叁仟壹佰伍拾元整\t"
          "1 行有疑问未计入合计：第 2 行；1 行计算失败，未计入合计"}},
        // 35000: 393.4 + (708.2 - 393.4) / 20000 x 15000 = 629.5; x 1.2 x 1 x 1 = 755.4; x 0.9
        // = 679.86. 1000 (a table point): 30.1; x 0 = 0, marked.
        {"supervision",
         "A\t35000\t1.2\t较复杂\t1\t-10\n"
         "B\t1000\t0\t一般\t1\t0.5\n"
         "C\t1e400\t1\t一般\t1\t0\n",
         {"A\t35000\t1.2\t较复杂\t1\t-10\t629.5\t755.4\t679.86\t¥6,798,600.00\t"
          "人民币陆佰柒拾玖万捌仟陆佰元整\t",
          "B\t1000\t0\t一般\t1\t0.5\t30.1\t0\t0\t¥0.00\t人民币零元整\t"
          "专业调整系数：系数为 0，计算结果将为 0；浮动幅度值：按 0.5% 计算；如指 50%，请输入 50",
          "C\t1e400\t1\t一般\t1\t0\t\t\t\t\t\t"
          "计费额：数值超出范围，计算时将报告溢出；收费基价：溢出",
          // the fee alone is added up; B (a zero coefficient) is left out as doubtful
          "合计\t\t\t\t\t\t\t\t679.86\t¥6,798,600.00\t人民币陆佰柒拾玖万捌仟陆佰元整\t"
          "1 行有疑问未计入合计：第 2 行；1 行计算失败，未计入合计"}},
        // 2009-02-06 to 2010-02-06: 365 days; 2024-03-04 to 2024-03-01: -3
        {"period",
         "标段\t开工日期\t竣工日期\n"
         "A\t2009/2/6\t20100206\n"
         "B\t2024年3月4日\t２０２４．３．１\n"
         "C\t2023/2/29\t2024/1/1\n",
         {"A\t2009/2/6\t20100206\t365\t",
          "B\t2024年3月4日\t２０２４．３．１\t-3\t竣工日期早于开工日期，工期为负数",
          "C\t2023/2/29\t2024/1/1\t\t开工日期“2023/2/29”不是有效的日期"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.calculator);
        const std::vector<std::string> lines = Lines(CalculateRows(c.calculator, c.rows));
        ASSERT_EQ(lines.size(), c.expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], c.expected[i]) << "line " << i;
        }
    }
    EXPECT_EQ(CalculateRows("supervision", "").substr(0, 6), "标段");
    EXPECT_EQ(CalculateRows("nothing", "A\t1\n"), "");
}

TEST(CalculateRows, TheHeaderNamesEveryColumnOnce)
{
    const struct {
        const char* calculator;
        const char* header;
    } cases[] = {
        {"tender",
         "标段\t中标金额\t服务类型\t单独提供编制招标文件服务\t招标代理服务收费金额（万元）\t小写\t"
         "大写\t说明"},
        {"supervision",
         "标段\t计费额\t专业调整系数\t工程复杂程度\t高程调整系数\t浮动幅度值\t收费基价（万元）\t"
         "基准价（万元）\t监理取费（万元）\t小写\t大写\t说明"},
        {"period", "标段\t开工日期\t竣工日期\t工期（日历天）\t说明"},
    };
    for (const auto& c : cases) {
        const std::string out = CalculateRows(c.calculator, "");
        EXPECT_EQ(out.substr(0, out.find('\n')), c.header);
    }
}

// Sheets as agencies paste them: a header in another order, a 序号 column, an
// amount in 元, a complexity written as a roman numeral or a coefficient.
// Figures worked out by hand: 6000 工程 22.55; 12800 服务 = 21.95 + 0.05% x 2800
// = 23.35 (x1.3 = 30.355 -> 30.36, ¥303,550.00); 35000 at 1.2,
// 较复杂, 1, -10 %: 629.5 x 1.2 = 755.4, x 0.9 = 679.86; 复杂: 755.4 x 1.15 =
// 868.71, x 0.9 = 781.839; 一般: x 0.85 = 642.09, x 0.9 = 577.881.
TEST(CalculateRows, AHeaderRowMapsColumnsByTheirNames)
{
    const Case cases[] = {
        {"tender",
         "服务类型\t中标金额\t标段\t单独提供编制招标文件服务\n"
         "工程招标\t6000\t一标段\t否\n"
         "服务招标 \t12800\t二标段\t是\n",
         {"工程招标\t6000\t一标段\t否\t22.55\t¥225,500.00\t人民币贰拾贰万伍仟伍佰元整\t",
          "服务招标 \t12800\t二标段\t是\t30.36\t¥303,550.00\t人民币叁拾万零叁仟伍佰伍拾元整\t",
          "\t\t合计\t\t52.905\t¥529,050.00\t人民币伍拾贰万玖仟零伍拾元整\t"}},
        {"tender",
         "序号\t标包\t中标价（元）\t服务类型\t中标人\n"
         "1\tA\t60000000\t工程招标\t某建设公司\n",
         {"1\tA\t60000000\t工程招标\t某建设公司\t\t22.55\t¥225,500.00\t人民币贰拾贰万伍仟伍佰元整\t"
          "中标金额 60000000 元按 6000 万元计算",
          "\t合计\t\t\t\t\t22.55\t¥225,500.00\t人民币贰拾贰万伍仟伍佰元整\t"}},
        {"supervision",
         "标段\t计费额\t专业系数\t复杂程度\t高程系数\t浮动幅度(%)\n"
         "A\t35000\t1.2\tII级\t1\t-10\n"
         "B\t35000\t1.2\tⅢ\t1\t-10\n"
         "C\t35000\t1.2\t1.15\t1\t-10\n"
         "D\t35000\t1.2\t一般 \t1\t-10\n",
         {"A\t35000\t1.2\tII级\t1\t-10\t629.5\t755.4\t679.86\t¥6,798,600.00\t"
          "人民币陆佰柒拾玖万捌仟陆佰元整\t",
          "B\t35000\t1.2\tⅢ\t1\t-10\t629.5\t868.71\t781.839\t¥7,818,390.00\t"
          "人民币柒佰捌拾壹万捌仟叁佰玖拾元整\t",
          "C\t35000\t1.2\t1.15\t1\t-10\t629.5\t868.71\t781.839\t¥7,818,390.00\t"
          "人民币柒佰捌拾壹万捌仟叁佰玖拾元整\t",
          "D\t35000\t1.2\t一般 \t1\t-10\t629.5\t642.09\t577.881\t¥5,778,810.00\t"
          "人民币伍佰柒拾柒万捌仟捌佰壹拾元整\t",
          "合计\t\t\t\t\t\t\t\t2821.419\t¥28,214,190."
          "00\t人民币贰仟捌佰贰拾壹万肆仟壹佰玖拾元整\t"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const std::vector<std::string> lines = Lines(CalculateRows(c.calculator, c.rows));
        ASSERT_EQ(lines.size(), c.expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], c.expected[i]) << "line " << i;
        }
    }
}

// The clerk's sheet as it is: a 元 column as a spreadsheet shows it, no
// 服务类型 column (the page's choice, said in 说明), lots that failed.
TEST(CalculateRows, TheClerksSheetAsItIs)
{
    InputValues page;
    page.SetText(role::kTenderType, "工程招标");
    const Cells header{"序号", "标段名称", "中标人", "中标金额（元）", "备注"};
    const struct {
        Cells cells;
        RowState state;
        const char* fee;     // as a file holds it, "" for none
        const char* amount;  // as a notice states it
        const char* said;    // 说明
    } cases[] = {
        {{"1", "一标段", "甲", "86,452,300.00", ""},
         RowState::Counted,
         "27.84046",  // 1 + 2.8 + 2.75 + 14 + 3645.23 × 0.2 %
         "8645.23 万元（86,452,300.00 元）",
         "中标金额 86,452,300.00 元按 8645.23 万元计算；服务类型按页面所选“工程招标”计算"},
        {{"2", "二标段", "乙", "¥1,234,567.89", ""},
         RowState::Counted,
         "1.164198",  // 1 + 23.456789 × 0.7 % = 1.164197523, to the 分
         "123.456789 万元（¥1,234,567.89）",
         "中标金额 ¥1,234,567.89 元按 123.456789 万元计算；服务类型按页面所选“工程招标”计算"},
        {{"3", "三标段", "", "", "流标"}, RowState::Doubtful, "", "", "中标金额："},
        {{"4", "四标段", "", "待定", ""}, RowState::Doubtful, "", "", ""},
    };
    const HeaderReading reading = ReadHeader(TenderFeeCalculator(), header, {}, &page);
    ASSERT_TRUE(reading.columns.has_value()) << reading.problem;
    const BatchColumns& columns = *reading.columns;
    const auto column = [&](ColumnSource source, InputKind kind) -> const BatchColumn& {
        return *std::find_if(columns.list.begin(), columns.list.end(), [&](const BatchColumn& c) {
            return c.source == source && (c.input == nullptr || c.input->kind == kind);
        });
    };
    const BatchColumn& amount = column(ColumnSource::Input, InputKind::Amount);
    const BatchColumn& type = column(ColumnSource::Input, InputKind::Choice);
    const BatchColumn& fee =
        *std::find_if(columns.list.begin(), columns.list.end(),
                      [](const BatchColumn& c) { return c.source == ColumnSource::Result; });
    const BatchColumn& notes = column(ColumnSource::Notes, InputKind::Amount);
    std::vector<BatchRow> rows;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cells[1]);
        const BatchRow row = CalculateRow(columns, c.cells);
        EXPECT_EQ(row.state, c.state);
        EXPECT_EQ(FileText(fee, row), c.fee);
        if (row.state == RowState::Counted) {
            EXPECT_EQ(AmountInWords(amount, row), c.amount);
            EXPECT_EQ(ChoiceOf(type, row), "工程招标");
            EXPECT_EQ(CellText(notes, row), c.said);
        } else {
            // no lawful figure: nothing of money in a file, whatever the minimum
            for (const BatchColumn& each : columns.list) {
                EXPECT_TRUE(!HoldsMoney(each) || FileText(each, row).empty()) << each.header;
            }
            EXPECT_NE(CellText(notes, row).find(c.said), std::string::npos);
        }
        rows.push_back(row);
    }
    // the file's column adds up to its 合计, which its 小写 ÷ 10,000 is
    const BatchTotal total = TotalOf(columns, rows);
    EXPECT_EQ(TotalText(fee, total), "29.004658");
    EXPECT_EQ(total.figures, "¥290,046.58");
    // without the page's choice, a lot without its 服务类型 cannot be worked out
    const BatchColumns bare = *ReadHeader(TenderFeeCalculator(), header).columns;
    EXPECT_EQ(CalculateRow(bare, cases[0].cells).state, RowState::Failed);
}

// The 合计 leaves out exactly the lots whose figure rests on a doubt, and
// says which; what only informs (a range beyond ±20 %) keeps a lot in.
TEST(CalculateRows, TheTotalLeavesOutExactlyTheDoubtfulLots)
{
    const std::string rows =
        "A\t35000\t1.2\t较复杂\t1\t-10\n"    // 679.86
        "B\t35,000\t1.2\t较复杂\t1\t-10\n"   // read as 35: doubtful
        "C\t35000\t\t较复杂\t1\t-10\n"       // empty coefficient: doubtful
        "D\t35000\t1.2\t较复杂\t1\t-30\n"    // beyond ±20 %: counted, 528.78
        "E\t350000000\t1.2\t较复杂\t1\t0\n"  // 100 亿元 and more: doubtful
        "F\t35000\t1.2\t很复杂\t1\t0\n"      // failed
        "G\t35000\t1.2\t较复杂\t1\t\n";      // no range: the benchmark, said and counted
    const BatchColumns columns = ColumnsOf(SupervisionFeeCalculator());
    std::vector<BatchRow> worked;
    for (const Cells& cells : ParseTable(rows)) {
        worked.push_back(CalculateRow(columns, cells));
    }
    const BatchTotal total = TotalOf(columns, worked);
    EXPECT_EQ(total.sums.back(), "1964.04");  // 679.86 + 528.78 + 755.4
    EXPECT_EQ(total.doubtful, (std::vector<std::size_t>{1, 2, 4}));
    EXPECT_EQ(total.failed, 1u);
    EXPECT_EQ(TotalNote(total), "3 行有疑问未计入合计：第 2、3、5 行；1 行计算失败，未计入合计");
    // the doubtful lots keep their figures
    EXPECT_GT(worked[1].worked, 0);
    EXPECT_EQ(worked[3].state, RowState::Counted);
    EXPECT_EQ(worked[6].state, RowState::Counted);
    EXPECT_EQ(worked[6].marks().at(0).said, "浮动幅度值：未填写，按 0 计算（不浮动）");
}

// The agency's terms are the same for every lot: a column 应收代理费 only
// where they differ from the standard, each lot charged as the page would
// charge it, the 合计 and its 小写 of the fee charged; new terms work the
// same lots out again.
TEST(CalculateRows, TheAgencysTermsAddTheFeeToChargeToEveryLot)
{
    const struct {
        const char* terms;
        std::vector<const char*> charged;  // per lot, then the 合计; none: no column
        const char* figures;               // the 合计's 小写
    } cases[] = {
        // 6000 工程 22.55; 12 服务 0.18; 100 货物 x 1.3: 1.5 x 1.3 = 1.95
        {"", {}, "¥246,800.00"},
        {"schedule=2002;kind=standard", {}, "¥246,800.00"},
        // 80 %: 18.04, 0.144 (shown 0.14, 1,440 元), 1.56; the 合计 the sum of the
        // lots' 小写, in 万元 to the 分: 19.744
        {"schedule=2002;kind=share;percent=80", {"18.04", "0.14", "1.56", "19.744"}, "¥197,440.00"},
        // 1.5 % of the winning amount: 90, 0.18, 1.5 x 1.3 = 1.95
        {"schedule=2002;kind=rate;percent=1.5", {"90.00", "0.18", "1.95", "92.13"}, "¥921,300.00"},
        // less 20 %, at least 2,000 元: 18.04, 0.144 -> 0.2, 1.56
        {"schedule=2002;kind=discount;percent=20;minimum=2000",
         {"18.04", "0.20", "1.56", "19.8"},
         "¥198,000.00"},
        // below 5 亿元 the 2011 bands are the 2002 ones: 11.275 (11.28), 0.09, 0.975 (0.98)
        {"schedule=2011;kind=share;percent=50", {"11.28", "0.09", "0.98", "12.34"}, "¥123,400.00"},
    };
    const std::string rows =
        "一\t6000\t工程招标\t否\n"
        "二\t12\t服务招标\t否\n"
        "三\t100\t货物招标\t是\n";
    const Calculator& tender = TenderFeeCalculator();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.terms);
        const FeeTerms terms = *ReadFeeTerms(c.terms).terms;
        // worked out under the terms from the start, and again after they change
        for (const BatchColumns& columns :
             {ColumnsOf(tender, terms), WithTerms(ColumnsOf(tender), terms)}) {
            std::vector<BatchRow> worked;
            for (const Cells& cells : ParseTable(rows)) {
                worked.push_back(CalculateRow(columns, cells));
            }
            const std::vector<Cells> table = TableOf(columns, worked);
            const Cells& head = table.front();
            const auto charged = std::find(head.begin(), head.end(), "应收代理费（万元）");
            ASSERT_EQ(charged != head.end(), !c.charged.empty());
            for (std::size_t i = 0; i < c.charged.size(); ++i) {
                EXPECT_EQ(table[i + 1][charged - head.begin()], c.charged[i]) << "row " << i;
            }
            const auto figures = std::find(head.begin(), head.end(), "小写");
            ASSERT_NE(figures, head.end());
            EXPECT_EQ(table.back()[figures - head.begin()], c.figures);
        }
    }
}

// A header row that names nothing the calculator knows is a message, not a
// guess; so is a unit that is neither 元 nor 万元.
TEST(ReadHeader, SaysWhyAHeaderCannotBeUsed)
{
    const struct {
        Cells row;
        bool header;
        const char* problem;  // "" for a layout
    } cases[] = {
        {{"序号", "名称", "金额"}, true, "标题行中没有可识别的列"},
        // the supervision page's sheet pasted on the tender page
        {{"序号", "标段名称", "计费额", "专业系数"}, true, "标题行中没有本页的输入列"},
        {{"标段", "中标金额（美元）", "服务类型"},
         true,
         "“中标金额（美元）”列的单位“美元”不是元或万元"},
        {{"一标段", "6000", "工程招标"}, false, ""},
        {{"标段", "中标金额(万元)", "服务类型"}, true, ""},
    };
    for (const auto& c : cases) {
        const HeaderReading reading = ReadHeader(TenderFeeCalculator(), c.row);
        EXPECT_EQ(reading.header, c.header) << c.row[0];
        EXPECT_EQ(reading.problem.rfind(c.problem, 0), 0u) << reading.problem;
        EXPECT_EQ(reading.columns.has_value(), c.header && *c.problem == '\0') << c.row[0];
    }
}

// The total adds the captions shown as decimals: sums whose doubles drift.
TEST(DecimalSum, AddsTheFiguresShownExactly)
{
    const struct {
        std::vector<std::string> numbers;
        const char* sum;
    } cases[] = {
        {{"0.10", "0.20"}, "0.30"},  // 0.1 + 0.2 is 0.30000000000000004 in doubles
        {{"0.01", "0.01", "0.01", "0.01", "0.01", "0.01", "0.01", "0.01", "0.01", "0.01"}, "0.10"},
        {{"1234567.89", "0.01", "-1234567.90"}, "0.00"},
        {{"-2.54", "1.00"}, "-1.54"},
        {{"629.5", "16.5"}, "646.0"},
        {{"755.4", "0.06"}, "755.46"},
        {{"1E+15", "1.5E-07"}, "1000000000000000.00000015"},
        {{"99999999999999.9", "0.1"}, "100000000000000.0"},
        {{}, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalSum(c.numbers).value_or("none"), c.sum);
    }
    EXPECT_FALSE(DecimalSum({"12abc"}).has_value());
    double drifting = 0;
    for (int i = 0; i < 10; ++i) {
        drifting += 0.01;
    }
    EXPECT_NE(drifting, 0.1);  // what the exact sum avoids
}

TEST(ParseTable, ReadsWhatSpreadsheetsCopy)
{
    const struct {
        const char* text;
        std::vector<Cells> rows;
    } cases[] = {
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a\tb\nc\td", {{"a", "b"}, {"c", "d"}}},
        {"\"a\tb\"\t\"say \"\"hi\"\"\"\n", {{"a\tb", "say \"hi\""}}},
        {"\"two\nlines\"\tx\n", {{"two\nlines", "x"}}},
        {"a\t\n\n\t\t\nb\n", {{"a", ""}, {"b"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseTable(c.text), c.rows) << c.text;
        EXPECT_EQ(ParseTable(FormatTable(c.rows)), c.rows) << c.text;
    }
}

}  // namespace
}  // namespace kelvora
