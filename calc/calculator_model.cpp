#include "calc/calculator_model.h"

#include <algorithm>
#include <chrono>

#include "calc/decimal_text.h"
#include "calc/float_error.h"
#include "calc/input_check.h"
#include "calc/number_text.h"

namespace kelvora {

CalculatorModel::CalculatorModel(const Calculator& calculator)
    : m_calculator(calculator),
      m_written(calculator.steps.size()),
      m_results(calculator.steps.size())
{
}

void CalculatorModel::Tell(Change change, std::size_t step)
{
    for (const Listener& listener : m_listeners) {
        listener(change, step);
    }
}

void CalculatorModel::SetText(ControlName control, std::string_view text)
{
    if (m_inputs.SetText(control, text)) {
        Tell(Change::Input);
    }
}

void CalculatorModel::SetTicked(ControlName control, bool ticked)
{
    if (m_inputs.SetTicked(control, ticked)) {
        Tell(Change::Input);
    }
}

void CalculatorModel::SetDate(ControlName control, DateTime date)
{
    if (m_inputs.SetDate(control, date)) {
        Tell(Change::Input);
    }
}

void CalculatorModel::SetTerms(const FeeTerms& terms)
{
    if (!(terms == m_terms)) {
        m_terms = terms;
        Tell(Change::Input);
    }
}

void CalculatorModel::SetListedRow(ControlName control, const CoefficientRow* row)
{
    for (auto& [listed, chosen] : m_listed) {
        if (listed == control) {
            chosen = row;
            return;
        }
    }
    m_listed.emplace_back(control, row);
}

const CoefficientRow* CalculatorModel::ListedRow(ControlName control) const
{
    for (const auto& [listed, chosen] : m_listed) {
        if (listed != control || chosen == nullptr) {
            continue;
        }
        // the row left to agreement stands for any value typed after it
        const std::string_view text = Trimmed(m_inputs.Text(control));
        return (chosen->value.empty() ? !text.empty() : text == chosen->value) ? chosen : nullptr;
    }
    return nullptr;
}

const std::optional<StepOutcome>& CalculatorModel::Shown(ControlName result) const
{
    static const std::optional<StepOutcome> kNone;
    const CalculatorStep* step = StepWriting(m_calculator, result);
    return step != nullptr ? Shown(StepIndex(m_calculator, *step)) : kNone;
}

std::vector<CalculatorModel::Reading> CalculatorModel::BasisOf(const CalculatorStep& step) const
{
    std::vector<Reading> basis;
    basis.reserve(step.inputs.size() + step.buttons.size() + 1);
    for (const CalculatorInput& input : step.inputs) {
        const std::string_view text = m_inputs.Text(input.control);
        switch (input.kind) {
            case InputKind::Amount:
            case InputKind::Coefficient:
            case InputKind::Percent:
                try {
                    basis.emplace_back(ReadNumber(text));
                } catch (const FloatingPointError&) {
                    basis.emplace_back(std::string(text));  // no number: as typed
                }
                break;
            case InputKind::Tick:
                basis.emplace_back(m_inputs.Ticked(input.control));
                break;
            case InputKind::Date:
                basis.emplace_back(static_cast<long long>(
                    std::chrono::floor<std::chrono::days>(m_inputs.Date(input.control))
                        .time_since_epoch()
                        .count()));
                break;
            case InputKind::Choice:
                basis.emplace_back(std::string(text));
                break;
            case InputKind::Result: {
                const auto& shown = Shown(input.control);
                basis.emplace_back(shown ? shown->caption : std::string());
                break;
            }
        }
    }
    if (step.kind == StepKind::Choice) {
        long long ticked = -1;
        for (std::size_t i = 0; i < step.buttons.size(); ++i) {
            if (m_inputs.Ticked(step.buttons[i])) {
                ticked = static_cast<long long>(i);
            }
        }
        basis.emplace_back(ticked);
    }
    if (step.followsTerms) {
        basis.emplace_back(m_terms);
    }
    return basis;
}

std::vector<std::string> CalculatorModel::NotesOf(const CalculatorStep& step) const
{
    // Its own inputs' notes, then those the earlier results it read rest on.
    std::vector<std::string> notes = StepNotes(step, m_inputs);
    for (const CalculatorInput& input : step.inputs) {
        if (input.kind == InputKind::Result) {
            if (const auto& shown = Shown(input.control)) {
                for (const std::string& note : shown->notes) {
                    if (std::find(notes.begin(), notes.end(), note) == notes.end()) {
                        notes.push_back(note);
                    }
                }
            }
        }
    }
    return notes;
}

void CalculatorModel::Press(ControlName button)
{
    for (std::size_t i = 0; i < m_calculator.steps.size(); ++i) {
        const CalculatorStep& step = m_calculator.steps[i];
        const bool started =
            std::find(step.buttons.begin(), step.buttons.end(), button) != step.buttons.end();
        if (!started || !Applies(step)) {
            continue;
        }
        const StepArgs args{m_calculator, m_inputs, m_results, m_terms, true};
        std::optional<StepOutcome> outcome = step.work(args);  // throws where it fails
        if (!outcome) {
            continue;
        }
        outcome->notes = NotesOf(step);
        m_written[i] = {outcome, BasisOf(step)};
        m_results[i] = std::move(outcome);
        Tell(Change::Written, i);
    }
}

std::vector<StepState> CalculatorModel::States() const
{
    std::vector<StepState> states(m_calculator.steps.size());
    for (std::size_t i = 0; i < m_calculator.steps.size(); ++i) {
        const CalculatorStep& step = m_calculator.steps[i];
        StepState& state = states[i];
        if (!m_written[i].outcome) {
            state = {ResultState::Missing, &step};
            continue;
        }
        // The earliest step to press among the earlier results it reads.
        const CalculatorStep* first = nullptr;
        for (const CalculatorInput& input : step.inputs) {
            const CalculatorStep* source = input.kind == InputKind::Result
                                               ? StepWriting(m_calculator, input.control)
                                               : nullptr;
            if (source == nullptr || StepIndex(m_calculator, *source) >= i) {
                continue;
            }
            const StepState& before = states[StepIndex(m_calculator, *source)];
            if (before.press != nullptr && (first == nullptr || before.press < first)) {
                first = before.press;
            }
        }
        if (first != nullptr) {
            state = {ResultState::Stale, first};
        } else if (BasisOf(step) == m_written[i].basis) {
            state = {ResultState::Current, nullptr};
        } else {
            state = {ResultState::Stale, &step};
        }
    }
    return states;
}

}  // namespace kelvora
