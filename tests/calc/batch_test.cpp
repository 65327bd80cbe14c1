// Many lots at once: rows as a spreadsheet copies them, worked out as the
// window would, against figures worked out by hand from the fee standards.

#include "calc/batch.h"

#include <gtest/gtest.h>

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
          "合计\t\t\t\t29.50\t¥294,950.00\t人民币贰拾玖万肆仟玖佰伍拾元整\t"
          "1 行计算失败，未计入合计"}},
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
          "合计\t\t\t\t\t\t659.6\t755.4\t679.86\t¥6,798,600.00\t人民币陆佰柒拾玖万捌仟陆佰元整\t"
          "1 行计算失败，未计入合计"}},
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
