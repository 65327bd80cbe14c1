#include "calc/calculators.h"

#include <array>

#include "calc/calendar_days.h"
#include "calc/decimal_text.h"
#include "calc/number_text.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

namespace kelvora {
namespace {

// In the order of the window's pages.
const std::array kCalculators{&TenderFeeCalculator(), &SupervisionFeeCalculator(),
                              &CalendarDaysCalculator()};

bool Holds(const CalculatorStep& step, ControlName control)
{
    if (step.result == control || step.resultBox == control) {
        return true;
    }
    for (ControlName button : step.buttons) {
        if (button == control) {
            return true;
        }
    }
    for (const CalculatorInput& input : step.inputs) {
        if (input.control == control && input.kind != InputKind::Result) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::span<const Calculator* const> Calculators()
{
    return kCalculators;
}

const Calculator* CalculatorById(std::string_view id)
{
    for (const Calculator* calculator : kCalculators) {
        if (calculator->id == id) {
            return calculator;
        }
    }
    return nullptr;
}

const Calculator* CalculatorOf(ControlName control)
{
    for (const Calculator* calculator : kCalculators) {
        if (calculator->frame == control) {
            return calculator;
        }
        for (const CalculatorStep& step : calculator->steps) {
            if (Holds(step, control)) {
                return calculator;
            }
        }
    }
    return nullptr;
}

const CalculatorStep* StepWriting(const Calculator& calculator, ControlName result)
{
    for (const CalculatorStep& step : calculator.steps) {
        if (step.result == result) {
            return &step;
        }
    }
    return nullptr;
}

const CalculatorStep* StepWriting(ControlName result)
{
    for (const Calculator* calculator : kCalculators) {
        if (const CalculatorStep* step = StepWriting(*calculator, result)) {
            return step;
        }
    }
    return nullptr;
}

std::size_t StepIndex(const Calculator& calculator, const CalculatorStep& step)
{
    return static_cast<std::size_t>(&step - calculator.steps.data());
}

double StepArgs::Number(ControlName control) const
{
    const std::optional<double> read = inputs.Number(control);
    return read ? *read : ReadNumber(inputs.Text(control));
}

double StepArgs::Shown(ControlName result) const
{
    const CalculatorStep* step = StepWriting(calculator, result);
    if (step == nullptr) {
        return 0;
    }
    const std::size_t i = StepIndex(calculator, *step);
    return i < results.size() && results[i] ? results[i]->shown : 0;
}

const CalculatorInput* UnchosenInput(const CalculatorStep& step, const InputValues& inputs)
{
    for (const CalculatorInput& input : step.inputs) {
        if (input.kind != InputKind::Choice || input.entries.empty()) {
            continue;
        }
        if (!ChosenEntry(input, inputs.Text(input.control))) {
            return &input;
        }
    }
    return nullptr;
}

std::string PressFirst(const CalculatorStep& press, ResultState state, const InputValues& inputs,
                       std::string_view button)
{
    // A missing result is asked for; a stale one is said to have changed.
    const bool changed = state == ResultState::Stale;
    const std::string_view lead = changed ? "输入已更改，请" : "请先";
    if (const CalculatorInput* unchosen = UnchosenInput(press, inputs)) {
        return std::string(lead) + "选择" + std::string(unchosen->name);
    }
    if (press.kind == StepKind::Choice) {
        return std::string(lead) + (changed ? "重新选择" : "选择") + std::string(press.name);
    }
    return std::string(lead) + "点击“" + std::string(button) + "”" + (changed ? "重新计算" : "");
}

std::optional<std::size_t> ChosenEntry(const CalculatorInput& input, std::string_view text)
{
    for (std::size_t i = 0; i < input.entries.size(); ++i) {
        if (input.entries[i] == text) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ReadEntry(const CalculatorInput& input, std::string_view cell)
{
    const std::string_view text = Trimmed(cell);
    if (auto entry = ChosenEntry(input, text)) {
        return entry;
    }
    return input.readEntry != nullptr ? input.readEntry(text) : std::nullopt;
}

const CalculatorInput* InputOf(ControlName control)
{
    for (const Calculator* calculator : kCalculators) {
        for (const CalculatorStep& step : calculator->steps) {
            for (const CalculatorInput& input : step.inputs) {
                if (input.control == control && input.kind != InputKind::Result) {
                    return &input;
                }
            }
        }
    }
    return nullptr;
}

}  // namespace kelvora
