#include "calc/input_check.h"

#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

TEST(InputNote, PointsOutTextsNotReadEntirely)
{
    const struct {
        const char* text;
        InputKind kind;
        const char* note;  // "" for none
    } cases[] = {
        // read as typed
        {"", InputKind::Amount, ""},
        {"   ", InputKind::Amount, ""},
        {"6000", InputKind::Amount, ""},
        {" 6 000 ", InputKind::Amount, ""},
        {"６０００", InputKind::Amount, ""},  // full-width digits
        {"6000万元", InputKind::Amount, ""},
        {"6000 万元", InputKind::Amount, ""},
        {"1.5e3", InputKind::Amount, ""},
        {"1.2", InputKind::Coefficient, ""},
        {"5%", InputKind::Percent, ""},
        {"-20％", InputKind::Percent, ""},
        {"-20", InputKind::Percent, ""},  // a lower range is no fault
        // characters left unread
        {"12,345.67", InputKind::Amount, "按 12 计算，“,345.67”未被读取"},
        {"6000元", InputKind::Amount, "按 6000 计算，“元”未被读取"},
        {"5%", InputKind::Amount, "按 5 计算，“%”未被读取"},
        {"6000万元", InputKind::Percent, "按 6000 计算，“万元”未被读取"},
        {"1.2x", InputKind::Coefficient, "按 1.2 计算，“x”未被读取"},
        {"1e", InputKind::Coefficient, "按 1 计算，“e”未被读取"},
        {"1.1.2", InputKind::Coefficient, "按 1.1 计算，“.2”未被读取"},
        // no number at all
        {"¥6000", InputKind::Amount, "未读到数字，按 0 计算"},
        {"abc", InputKind::Coefficient, "未读到数字，按 0 计算"},
        {"-", InputKind::Percent, "未读到数字，按 0 计算"},
        {"%", InputKind::Percent, "未读到数字，按 0 计算"},
        // amounts below zero
        {"-50", InputKind::Amount, "金额为负数"},
        {"-50万元", InputKind::Amount, "金额为负数"},
        {"-50", InputKind::Coefficient, "系数为负数"},  // a figure flipped in sign
        // beyond the double range
        {"1e400", InputKind::Amount, "数值超出范围，计算时将报告溢出"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InputNote(c.text, c.kind).value_or(""), c.note) << "\"" << c.text << "\"";
    }
}

TEST(TenderTypeNote, OnlyTheThreeTypesReadAsTyped)
{
    const CalculatorInput& type = TenderFeeCalculator().steps.front().inputs[1];
    ASSERT_EQ(type.control, role::kTenderType);
    for (const char* text : {"工程招标", "服务招标", "货物招标"}) {
        EXPECT_FALSE(InputNote(type, text).has_value()) << text;
    }
    for (const char* text : {"", "工程", "工程招标 ", "Engineering"}) {
        EXPECT_EQ(InputNote(type, text).value_or(""), "请选择服务类型") << text;
    }
}

// What is pointed out once a figure rests on a value: empty boxes, a
// coefficient that zeroes or flips the figure, a range beyond ±20 % or one
// that may have been meant as a percentage.
TEST(InputNote, PointsOutValuesAFigureWouldRestOn)
{
    const struct {
        const char* text;
        InputKind kind;
        bool computed;
        const char* note;
    } cases[] = {
        {"", InputKind::Coefficient, false, ""},  // the form as it opens
        {"", InputKind::Coefficient, true, "未填写，按 0 计算"},
        {" ", InputKind::Amount, true, "未填写，按 0 计算"},
        {"", InputKind::Percent, true, "未填写，按 0 计算（不浮动）"},  // said, not doubted
        {"0", InputKind::Coefficient, false, "系数为 0，计算结果将为 0"},
        {"-1.1", InputKind::Coefficient, false, "系数为负数"},
        {"0.8", InputKind::Coefficient, true, ""},
        {"30", InputKind::Percent, false, "超出 ±20% 的幅度，仍按 30% 计算"},
        {"-20.5%", InputKind::Percent, false, "超出 ±20% 的幅度，仍按 -20.5% 计算"},
        {"20", InputKind::Percent, false, ""},
        {"-0.2", InputKind::Percent, false, "按 -0.2% 计算；如指 -20%，请输入 -20"},
        {"0.15", InputKind::Percent, false, "按 0.15% 计算；如指 15%，请输入 15"},
        {"0", InputKind::Percent, true, ""},
        {"1", InputKind::Percent, true, ""},
        {"0", InputKind::Amount, true, ""},
        // an amount of 100 亿元 and more is very likely one in yuan
        {"60000000", InputKind::Amount, false, "金额达 100 亿元以上，是否按元填写？"},
        {"1000000", InputKind::Amount, false, "金额达 100 亿元以上，是否按元填写？"},
        {"999999.99", InputKind::Amount, false, ""},
        {"1e15", InputKind::Amount, false, "金额达 100 亿元以上，是否按元填写？"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InputNote(c.text, c.kind, c.computed).value_or(""), c.note)
            << "\"" << c.text << "\"";
    }
}

// The fee basis below the table's first point: the standard leaves that
// fee to agreement, the line is only continued; a note from 500 on says nothing.
TEST(InputNote, AFeeBasisBelowTheTableIsPointedOut)
{
    const CalculatorInput& basis = SupervisionFeeCalculator().steps.front().inputs.front();
    ASSERT_EQ(basis.control, role::kFeeBasis);
    const std::string below =
        "计费额低于 500 万元，不在收费基价表内（按规定由双方协商确定），此处按首段直线延伸计算";
    const struct {
        const char* text;
        std::string note;
    } cases[] = {
        {"0", below},      {"10", below},
        {"499.99", below}, {"-5", "金额为负数"},
        {"500", ""},       {"35000", ""},
        {"", ""},          {"60000000", "金额达 100 亿元以上，是否按元填写？"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InputNote(basis, c.text).value_or(""), c.note) << c.text;
    }
    // the tender amount has no table to fall below
    const CalculatorInput& amount = TenderFeeCalculator().steps.front().inputs.front();
    EXPECT_FALSE(InputNote(amount, "10").has_value());
}

TEST(SuggestCorrection, OffersTheAmountMeantByGroupedOrYuanTexts)
{
    const struct {
        const char* text;
        const char* offer;  // "" for none
        const char* replacement;
    } cases[] = {
        {"12,345.67", "改为 12345.67", "12345.67"},
        {"123,456", "改为 123456", "123456"},
        // grouped as a spreadsheet shows 元: 100 亿元 and more in one step
        {"1,234,567", "按元换算为 123.4567 万元", "123.4567"},
        {"86,452,300.00", "按元换算为 8645.23 万元", "8645.23"},
        {"12,345.67万元", "改为 12345.67", "12345.67"},
        {"¥60,000,000", "按元换算为 6000 万元", "6000"},
        {"60,000,000元", "按元换算为 6000 万元", "6000"},
        {"￥ 123,456.78", "按元换算为 12.345678 万元", "12.345678"},
        {"¥5", "按元换算为 0.0005 万元", "0.0005"},
        {"人民币1,000元", "按元换算为 0.1 万元", "0.1"},
        // nothing evident
        {"6000", "", ""},
        {"6000万元", "", ""},
        {"12,34.5", "", ""},
        {"1,2345", "", ""},
        {",345", "", ""},
        {"¥6000万元", "", ""},
        {"abc", "", ""},
        {"12.", "", ""},
        // 100 亿元 and more typed as plain digits: the amount in yuan
        {"60000000", "按元换算为 6000 万元", "6000"},
        {"123456789.5", "按元换算为 12345.67895 万元", "12345.67895"},
        {"999999", "", ""},
        {"60000000万元", "", ""},
        {"1e8", "", ""},
    };
    // past the double range: still digits in yuan, never an overflow
    const std::string nines(310, '9');
    const std::string ninesWan = std::string(306, '9') + ".9999";
    EXPECT_EQ(SuggestCorrection(nines, InputKind::Amount)->text, ninesWan);
    EXPECT_FALSE(SuggestCorrection("0000001", InputKind::Amount).has_value());
    for (const auto& c : cases) {
        const auto correction = SuggestCorrection(c.text, InputKind::Amount);
        EXPECT_EQ(correction ? correction->offer : "", c.offer) << c.text;
        EXPECT_EQ(correction ? correction->text : "", c.replacement) << c.text;
    }
    EXPECT_FALSE(SuggestCorrection("1,000", InputKind::Coefficient).has_value());
}

// A column headed in 元 reads its cells as 元 however a spreadsheet shows
// them; what is no amount is not read.
TEST(YuanCellInWan, ReadsAmountsAsSpreadsheetsShowThem)
{
    const struct {
        const char* cell;
        const char* wan;  // "" for none
    } cases[] = {
        {"86,452,300.00", "8645.23"},
        {"86452300", "8645.23"},
        {"¥86,452,300.00", "8645.23"},
        {"86452300元", "8645.23"},
        {" 1,234 ", "0.1234"},
        {"0.5", "0.00005"},
        {"8645.23万元", "8645.23"},  // said in 万元: as it stands
        {"86,45,2300", ""},
        {"待定", ""},
        {"", ""},
        {"-5", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(YuanCellInWan(c.cell).value_or(""), c.wan) << c.cell;
    }
}

}  // namespace
}  // namespace kelvora
