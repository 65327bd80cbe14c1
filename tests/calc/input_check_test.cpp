#include "calc/input_check.h"

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
        {"-50", InputKind::Coefficient, ""},
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

}  // namespace
}  // namespace kelvora
