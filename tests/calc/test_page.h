#pragma once
// A calculator's page without a window: its model, the inputs set as a
// person types or ticks them, and what its results show read back.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calculator_model.h"
#include "calc/calculators.h"
#include "calc/number_text.h"

namespace kelvora::testing {

class TestPage : public CalculatorModel {
public:
    explicit TestPage(const Calculator& calculator) : CalculatorModel(calculator)
    {
        Listen(
            [this](Change change, std::size_t) { m_writes += change == Change::Written ? 1 : 0; });
    }

    void SetChecked(ControlName control, bool ticked) { SetTicked(control, ticked); }

    // The caption a result shows, "" for none.
    std::string Caption(ControlName result) const
    {
        const auto& shown = Shown(result);
        return shown ? shown->caption : std::string();
    }
    // Its working as the window shows it, with the yuan lines of an amount.
    std::string Working(ControlName result) const
    {
        const auto& shown = Shown(result);
        return shown ? ShownWorking(*shown) : std::string();
    }
    int writes() const { return m_writes; }

private:
    int m_writes = 0;
};

using Texts = std::initializer_list<std::pair<ControlName, std::string_view>>;

// What the step shown in `result` gives from inputs typed as `texts`, the
// earlier results showing `captions` (a step reads them as shown), under `terms`.
inline std::optional<StepOutcome> WorkStep(const Calculator& calculator, ControlName result,
                                           Texts texts, Texts captions = {},
                                           const FeeTerms& terms = {})
{
    InputValues inputs;
    for (const auto& [control, text] : texts) {
        inputs.SetText(control, text);
    }
    std::vector<std::optional<StepOutcome>> results(calculator.steps.size());
    for (const auto& [control, caption] : captions) {
        results[StepIndex(calculator, *StepWriting(calculator, control))] =
            StepOutcome{.caption = std::string(caption), .shown = ReadNumber(caption)};
    }
    const CalculatorStep& step = *StepWriting(calculator, result);
    return step.work({calculator, inputs, results, terms, true});
}

}  // namespace kelvora::testing
