#pragma once
// One calculator of the window as data: the frame its page holds, its title
// and method for the calculation sheet, and its steps in order. A step has
// the button that starts it (for a choice, its option buttons), the result
// label it writes, the click that writes it and the inputs it reads. Every
// feature that works per step (wiring, Enter keys, marks, stale results,
// the sheet, the batch, screen-reader names) is derived from these rows.
//
//   inputs of step i (boxes, choices, dates, results of steps before i)
//       --step.click--> result caption + working

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/controls.h"
#include "calc/input_kind.h"

namespace kelvora {

struct CalculatorInput {
    ControlName control;
    InputKind kind;
    std::string_view name;  // as the sheet and the batch name it
    std::string_view unit;  // "万元", "%", or empty
    ControlName prompt;     // the label naming it on screen, or role::kNone
    // For a Choice: the texts it may hold. For the result of a choice step:
    // the captions of its options, in the order of its buttons.
    std::span<const std::string_view> entries = {};
};

enum class StepKind {
    Calculation,  // one button, which reads the inputs
    Choice,       // option buttons; the one ticked writes its value
};

struct CalculatorStep {
    StepKind kind;
    std::string_view name;                 // the result's name on the sheet
    std::span<const ControlName> buttons;  // the button, or the options in order
    ControlName result;                    // the label it writes
    ControlName resultBox;                 // the blue box behind the label
    ControlName resultPrompt;              // the control whose text names the result
    void (*click)(Controls&);              // what pressing it now writes
    bool money;                            // an amount in 万元
    std::string_view unit;                 // of the result: "万元", "天", or empty
    std::span<const CalculatorInput> inputs;
    // A note on the figure from its inputs as a whole (a completion date
    // before the start), or nullptr.
    std::optional<std::string> (*check)(const Controls&) = nullptr;
    // The result's column in a batch of rows ("收费基价（万元）"); empty for a
    // choice, whose value is an input column.
    std::string_view column = {};
};

struct Calculator {
    std::string_view id;  // "tender", "supervision", "period"
    ControlName frame;    // the frame of its page
    std::string_view title;
    std::string_view method;
    std::string_view standard;  // the fee standard it follows, by name and number, or empty
    std::span<const CalculatorStep> steps;
};

}  // namespace kelvora
