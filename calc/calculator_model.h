#pragma once
// A calculator's page as a plain object: the inputs as typed, the agency's
// terms, and for each step the outcome last written with the values it was
// computed from. A result is current when the values its step would read
// now are those it was computed from, and the earlier results it reads are
// current too: a comparison of values, nothing pressed again. Nothing flows
// on by itself: a step is worked out only when its button is pressed, and a
// later step reads an earlier result as its caption shows it, current or not.
//
//   widget edits --SetText | SetTicked | SetDate--> inputs --Changed--> listeners
//   button --CommandNClick--> Press --step.work--> outcome + basis --Changed--> listeners
//   States(): per step Missing | Current | Stale, and what to press first

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "calc/calculators.h"
#include "calc/coefficient_tables.h"
#include "calc/fee_terms.h"

namespace kelvora {

class CalculatorModel {
public:
    enum class Change {
        Input,    // an input or the terms changed
        Written,  // a step's outcome was written (again, maybe the same)
    };
    // What changed, and for Written the step.
    using Listener = std::function<void(Change, std::size_t step)>;

    explicit CalculatorModel(const Calculator& calculator);

    const Calculator& calculator() const { return m_calculator; }
    const InputValues& inputs() const { return m_inputs; }
    const FeeTerms& terms() const { return m_terms; }

    void SetText(ControlName control, std::string_view text);
    void SetTicked(ControlName control, bool ticked);
    void SetDate(ControlName control, DateTime date);
    void SetTerms(const FeeTerms& terms);

    // The row of the standard's list a coefficient box was filled from, kept
    // while the box holds its value; nullptr when typed.
    void SetListedRow(ControlName control, const CoefficientRow* row);
    const CoefficientRow* ListedRow(ControlName control) const;

    // Presses the steps `button` starts, in order, those that apply under the
    // terms: each writes its outcome, or nothing where its work gives none.
    // A step whose arithmetic fails writes nothing and its error is thrown on;
    // the steps after it are not pressed.
    void Press(ControlName button);

    // The outcome a step shows, as last written.
    const std::optional<StepOutcome>& Shown(std::size_t step) const
    {
        return m_written[step].outcome;
    }
    const std::optional<StepOutcome>& Shown(ControlName result) const;
    // Every step's, by step.
    std::span<const std::optional<StepOutcome>> results() const { return m_results; }

    // Whether a step has a figure of its own under the terms.
    bool Applies(const CalculatorStep& step) const { return kelvora::Applies(step, m_terms); }

    // The state of every step, in order.
    std::vector<StepState> States() const;

    // The schedule the figures follow under the terms.
    const FeeSchedule& Schedule() const { return ScheduleOf(m_calculator, m_terms); }

    // Called after every change, in the order listened.
    void Listen(Listener listener) { m_listeners.push_back(std::move(listener)); }

private:
    // What a step reads, as values: a number box as the number read (nothing
    // where it is no number), a choice as its text, a tick, a date's day, an
    // earlier result's caption, the option ticked, and the terms where its
    // figure rests on them.
    using Reading = std::variant<std::monostate, double, bool, long long, std::string, FeeTerms>;
    std::vector<Reading> BasisOf(const CalculatorStep& step) const;
    std::vector<std::string> NotesOf(const CalculatorStep& step) const;
    void Tell(Change change, std::size_t step = 0);

    struct Written {
        std::optional<StepOutcome> outcome;
        std::vector<Reading> basis;
    };

    const Calculator& m_calculator;
    InputValues m_inputs;
    FeeTerms m_terms;
    std::vector<Written> m_written;                     // per step
    std::vector<std::optional<StepOutcome>> m_results;  // the same outcomes, for the steps to read
    std::vector<std::pair<ControlName, const CoefficientRow*>> m_listed;
    std::vector<Listener> m_listeners;
};

}  // namespace kelvora
