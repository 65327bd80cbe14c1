#pragma once
// What a figure or a cell holds, which decides its unit, how a sheet aligns it
// and how a spreadsheet file stores it (a number, a date or a text).

#include <string_view>

namespace kelvora {

enum class ValueType {
    AmountWan,    // an amount in 万元
    AmountYuan,   // an amount in 元
    Coefficient,  // a plain number
    Percent,      // a number in percent
    Choice,       // one of a list's texts (a tick as 是/否 too)
    Date,         // a day of the calendar
    Days,         // a whole number of days
    Text,         // anything else: kept as written
};

// The unit a figure of the type is shown with: "万元", "元", "%", "天", or empty.
constexpr std::string_view UnitOf(ValueType type)
{
    switch (type) {
        case ValueType::AmountWan:
            return "万元";
        case ValueType::AmountYuan:
            return "元";
        case ValueType::Percent:
            return "%";
        case ValueType::Days:
            return "天";
        default:
            return {};
    }
}

// Whether the type is a number a spreadsheet can add up.
constexpr bool IsNumeric(ValueType type)
{
    switch (type) {
        case ValueType::AmountWan:
        case ValueType::AmountYuan:
        case ValueType::Coefficient:
        case ValueType::Percent:
        case ValueType::Days:
            return true;
        default:
            return false;
    }
}

}  // namespace kelvora
