#pragma once
// What an input of a calculation is, which decides how it is read, what is
// pointed out about it and how the sheet shows it.

#include "calc/value_type.h"

namespace kelvora {

enum class InputKind {
    Amount,       // 万元, "万元" may follow; below zero is pointed out
    Coefficient,  // a plain number
    Percent,      // "%" may follow
    Choice,       // a text from a list (the tender type)
    Date,         // a date picker
    Tick,         // a check box
    Result,       // the caption of an earlier step's result
};

// Whether the input is a number box read with ReadNumber.
constexpr bool IsNumberKind(InputKind kind)
{
    return kind == InputKind::Amount || kind == InputKind::Coefficient ||
           kind == InputKind::Percent;
}

// What an input of the kind holds, as a batch column or a sheet shows it.
constexpr ValueType ValueTypeOf(InputKind kind)
{
    switch (kind) {
        case InputKind::Amount:
            return ValueType::AmountWan;
        case InputKind::Coefficient:
            return ValueType::Coefficient;
        case InputKind::Percent:
            return ValueType::Percent;
        case InputKind::Date:
            return ValueType::Date;
        case InputKind::Choice:
        case InputKind::Tick:
        case InputKind::Result:
            return ValueType::Choice;
    }
    return ValueType::Text;
}

}  // namespace kelvora
