#include "calc/calculators.h"

#include <array>
#include <exception>

#include "calc/calendar_days.h"
#include "calc/decimal_text.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

namespace kelvora {
namespace {

// In the order of the window's pages.
const std::array kCalculators{&TenderFeeCalculator(), &SupervisionFeeCalculator(),
                              &CalendarDaysCalculator()};

// Reads the window as it is and keeps what a click would write instead of
// writing it.
class Recording : public Controls {
public:
    explicit Recording(const Controls& window) : m_window(window) {}
    std::string Text(ControlName c) const override { return m_window.Text(c); }
    bool Checked(ControlName c) const override { return m_window.Checked(c); }
    DateTime Date(ControlName c) const override { return m_window.Date(c); }
    void WriteResult(ControlName, const Result& result) override { m_written = result; }
    std::optional<Result>& written() { return m_written; }

private:
    const Controls& m_window;
    std::optional<Result> m_written;
};

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

std::optional<Result> PressNow(const CalculatorStep& step, const Controls& window)
{
    Recording again(window);
    try {
        step.click(again);
    } catch (const std::exception&) {
        return std::nullopt;  // the click would report an error and write nothing
    }
    return std::move(again.written());
}

const CalculatorInput* UnchosenInput(const CalculatorStep& step, const Controls& window)
{
    for (const CalculatorInput& input : step.inputs) {
        if (input.kind != InputKind::Choice || input.entries.empty()) {
            continue;
        }
        if (!ChosenEntry(input, window.Text(input.control))) {
            return &input;
        }
    }
    return nullptr;
}

std::vector<StepState> StepStates(const Calculator& calculator, const Controls& window,
                                  const std::function<Result(ControlName)>& shown)
{
    const auto indexOf = [&](const CalculatorStep* step) {
        return static_cast<std::size_t>(step - calculator.steps.data());
    };
    std::vector<StepState> states(calculator.steps.size());
    for (std::size_t i = 0; i < calculator.steps.size(); ++i) {
        const CalculatorStep& step = calculator.steps[i];
        StepState& state = states[i];
        const Result result = shown(step.result);
        if (result.caption.empty()) {
            state = {ResultState::Missing, &step};
            continue;
        }
        // The earliest step to press among the earlier results it reads.
        const CalculatorStep* first = nullptr;
        for (const CalculatorInput& input : step.inputs) {
            const CalculatorStep* source =
                input.kind == InputKind::Result ? StepWriting(calculator, input.control) : nullptr;
            if (source == nullptr || indexOf(source) >= i) {
                continue;
            }
            const StepState& before = states[indexOf(source)];
            if (before.press != nullptr && (first == nullptr || before.press < first)) {
                first = before.press;
            }
        }
        if (first != nullptr) {
            state = {ResultState::Stale, first};
            continue;
        }
        const bool same = PressNow(step, window) == result;
        state =
            same ? StepState{ResultState::Current, nullptr} : StepState{ResultState::Stale, &step};
    }
    return states;
}

std::string PressFirst(const CalculatorStep& press, ResultState state, const Controls& window)
{
    // A missing result is asked for; a stale one is said to have changed.
    const bool changed = state == ResultState::Stale;
    const std::string_view lead = changed ? "输入已更改，请" : "请先";
    if (const CalculatorInput* unchosen = UnchosenInput(press, window)) {
        return std::string(lead) + "选择" + std::string(unchosen->name);
    }
    if (press.kind == StepKind::Choice) {
        return std::string(lead) + (changed ? "重新选择" : "选择") + std::string(press.name);
    }
    return std::string(lead) + "点击“" + window.Text(press.buttons.front()) + "”" +
           (changed ? "重新计算" : "");
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
