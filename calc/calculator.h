#pragma once
// One calculator of the window as data: the frame its page holds, its title
// for the calculation sheet, the fee schedules it can follow, and its steps
// in order. A step has the button that starts it (for a choice, its option
// buttons), the result label it shows in, the typed function that works its
// outcome out and the inputs it reads. Every feature that works per step
// (wiring, Enter keys, marks, current results, the documents, the batch,
// screen-reader names) is derived from these rows.
//
//   inputs as typed + earlier outcomes + the agency's terms --step.work--> StepOutcome
//   a page's model keeps the outcome last written; a batch works each lot alike

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/control_roles.h"
#include "calc/input_kind.h"
#include "calc/input_values.h"
#include "calc/number_text.h"
#include "calc/step_outcome.h"
#include "calc/value_type.h"

namespace kelvora {

struct Calculator;
struct FeeTerms;
class CalculatorModel;

struct CalculatorInput {
    ControlName control;
    InputKind kind;
    std::string_view name;  // as the sheet and the batch name it
    std::string_view unit;  // "万元", "%", or empty
    ControlName prompt;     // the label naming it on screen, or role::kNone
    // For a Choice: the texts it may hold, the first the one it starts with.
    // For the result of a choice step: the captions of its options, in the
    // order of its buttons.
    std::span<const std::string_view> entries = {};
    // What else is pointed out about the figure of a number box (a fee basis
    // below the table), or nullptr.
    std::optional<std::string> (*note)(double value) = nullptr;
    // The usual other names of the input in a spreadsheet's header row.
    std::span<const std::string_view> aliases = {};
    // Which entry a value written in a spreadsheet means, beyond the entry
    // itself ("II级" for 较复杂), or nullptr.
    std::optional<std::size_t> (*readEntry)(std::string_view text) = nullptr;
};

// The entry of a choice (or of a choice step's value) that `text` is, character
// for character, as the window reads it.
std::optional<std::size_t> ChosenEntry(const CalculatorInput& input, std::string_view text);

// The entry a spreadsheet's cell names: without the blanks around it, the
// entry itself or one of the ways people write it.
std::optional<std::size_t> ReadEntry(const CalculatorInput& input, std::string_view cell);

enum class StepKind {
    Calculation,  // one button, which reads the inputs
    Choice,       // option buttons; the one ticked writes its value
};

// A lot's figure of a step, with the entry its first choice holds (the
// tender type), for a note on the 合计 of many lots.
struct LotFigure {
    std::string_view choice;
    StepOutcome outcome;
};

// What a step reads when it works its outcome out.
struct StepArgs {
    const Calculator& calculator;
    const InputValues& inputs;
    // The outcome each step of the calculator shows now (its last written), by step.
    std::span<const std::optional<StepOutcome>> results;
    const FeeTerms& terms;
    // Whether the words are asked for, the caption and the working; a batch
    // asks for the figures alone and writes a lot's captions where it shows them.
    bool working = true;

    std::string_view Text(ControlName control) const { return inputs.Text(control); }
    // The number a box's text reads as (ReadNumber, read once where it was read already).
    double Number(ControlName control) const;
    bool Ticked(ControlName control) const { return inputs.Ticked(control); }
    DateTime Date(ControlName control) const { return inputs.Date(control); }
    // The figure of the result label `result` as its caption shows it now,
    // 0 for none (as an empty caption reads).
    double Shown(ControlName result) const;
};

struct CalculatorStep {
    StepKind kind;
    std::string_view name;                 // the result's name on the sheet
    std::span<const ControlName> buttons;  // the button, or the options in order
    ControlName result;                    // the label it shows in
    ControlName resultBox;                 // the blue box behind the label
    ControlName resultPrompt;              // the control whose text names the result
    // The handler of its button (named after the control): it tells the
    // page's model which step was pressed.
    void (*click)(CalculatorModel&);
    // What pressing it now gives: nothing where it writes nothing (no option
    // ticked, a tender type that is none of the three); throws
    // FloatingPointError where the arithmetic fails.
    std::optional<StepOutcome> (*work)(const StepArgs&);
    ValueType value;     // what its caption holds
    FigureStyle figure;  // how its caption shows its figure
    std::span<const CalculatorInput> inputs;
    // A note on the figure from its inputs as a whole (a completion date
    // before the start), or nullptr.
    std::optional<std::string> (*check)(const InputValues&) = nullptr;
    // The result's column in a batch of rows ("收费基价（万元）"); empty for a
    // choice, whose value is an input column.
    std::string_view column = {};
    // Whether the step has a figure of its own under the agency's terms (the
    // fee to charge, where they differ from the standard), or nullptr for
    // always. A step that has none is not shown, listed or exported.
    bool (*applies)(const FeeTerms& terms) = nullptr;
    // Whether its figure rests on the agency's terms (the schedule, the fee to charge).
    bool followsTerms = false;
    // A note on the 合计 of its figures over many lots under the same terms
    // (the lots of one tender passing the schedule's cap), or nullptr.
    std::optional<std::string> (*totalNote)(const FeeTerms& terms,
                                            std::span<const LotFigure> lots) = nullptr;
};

// Whether `step` has a figure of its own under `terms`.
inline bool Applies(const CalculatorStep& step, const FeeTerms& terms)
{
    return step.applies == nullptr || step.applies(terms);
}

// Whether the step's result is an amount in 万元, with yuan lines.
constexpr bool IsMoney(const CalculatorStep& step)
{
    return step.value == ValueType::AmountWan;
}

// The rule a calculator's figures follow, as a sheet cites it.
struct FeeSchedule {
    std::string_view id;        // "2002"
    std::string_view standard;  // the standard by name and number, or empty
    std::string_view method;    // how the figures are worked out, in words
};

struct Calculator {
    std::string_view id;  // "tender", "supervision", "period"
    ControlName frame;    // the frame of its page
    std::string_view title;
    // The schedules it can follow; the first is the one it starts with.
    std::span<const FeeSchedule* const> schedules;
    std::span<const CalculatorStep> steps;
    // The schedule the agency's terms choose (an index into `schedules`), or
    // nullptr when the calculator follows its first one alone.
    std::size_t (*scheduleOf)(const FeeTerms&) = nullptr;
    // Whether its fee is asked for by a fee notice (收费通知书) to the payer.
    bool notice = false;
};

// The schedule `calculator` follows under `terms`.
inline const FeeSchedule& ScheduleOf(const Calculator& calculator, const FeeTerms& terms)
{
    const std::size_t chosen = calculator.scheduleOf != nullptr ? calculator.scheduleOf(terms) : 0;
    return *calculator.schedules[chosen < calculator.schedules.size() ? chosen : 0];
}

}  // namespace kelvora
