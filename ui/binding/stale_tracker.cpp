#include "ui/binding/stale_tracker.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "calc/input_check.h"
#include "ui/binding/input_notes.h"
#include "ui/binding/shown_value.h"
#include "ui/binding/widget_controls.h"
#include "ui/common/error_report.h"
#include "ui/common/qt_text.h"
#include "ui/widgets/note_mark.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

// Calls `changed` whenever what `widget` shows changes.
void OnChange(QWidget* widget, QObject* context, const std::function<void()>& changed)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(edit, &QLineEdit::textChanged, context, changed);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QObject::connect(combo, &QComboBox::currentTextChanged, context, changed);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QObject::connect(box, &QCheckBox::stateChanged, context, changed);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::toggled, context, changed);
    } else if (auto* picker = qobject_cast<QDateTimeEdit*>(widget)) {
        QObject::connect(picker, &QDateTimeEdit::dateTimeChanged, context, changed);
    }
}

}  // namespace

StaleTracker::StaleTracker(ControlLookup find, QObject* parent)
    : QObject(parent), m_find(std::move(find))
{
}

void StaleTracker::Track(const Calculator& calculator)
{
    // A change of input is a slot: a fault in the tables is reported, never
    // left to escape into Qt or shown as a silent grey.
    const auto changed = [this, &calculator] {
        RunReported(qobject_cast<QWidget*>(parent()), [&] { Evaluate(calculator); });
    };
    changed();
    for (const CalculatorStep& step : calculator.steps) {
        for (const CalculatorInput& input : step.inputs) {
            if (input.kind != InputKind::Result) {
                OnChange(m_find(input.control), this, changed);
            }
        }
        if (step.kind == StepKind::Choice) {
            for (ControlName option : step.buttons) {
                OnChange(m_find(option), this, changed);
            }
        }
    }
}

void StaleTracker::Written(ControlName result)
{
    const Calculator* calculator = CalculatorOf(result);
    const CalculatorStep* step = StepWriting(result);
    ResultView* view = ResultView::Of(m_find(result));
    if (calculator == nullptr || step == nullptr || view == nullptr) {
        return;
    }
    // The notes the new figure rests on: its own inputs', then those of the
    // earlier results it read.
    QStringList marks;
    for (const std::string& note : StepNotes(*step, WidgetControls(m_find))) {
        marks << ToQString(note);
    }
    for (const CalculatorInput& input : step->inputs) {
        if (input.kind == InputKind::Result) {
            if (const ResultView* before = ResultView::Of(m_find(input.control))) {
                marks << before->Marks();
            }
        }
    }
    marks.removeDuplicates();
    view->SetMarks(marks);
    Evaluate(*calculator);
}

void StaleTracker::Evaluate(const Calculator& calculator)
{
    const WidgetControls window(m_find);
    const std::vector<StepState> states = StepStates(
        calculator, window, [&window](ControlName result) { return window.Shown(result); });
    // The marks of the inputs; an empty box only once a figure was computed from it.
    for (std::size_t i = 0; i < states.size(); ++i) {
        const CalculatorStep& step = calculator.steps[i];
        const bool computed = states[i].state != ResultState::Missing;
        for (const CalculatorInput& input : step.inputs) {
            if (IsNumberKind(input.kind) || input.kind == InputKind::Choice) {
                const auto note = InputNote(input, window.Text(input.control), computed);
                ShowInputNote(m_find(input.control), note ? ToQString(*note) : QString());
            }
        }
    }
    // A step with no figure of its own under these inputs (the fee to charge
    // under the standard terms) is not shown at all.
    for (const CalculatorStep& step : calculator.steps) {
        if (step.applies != nullptr) {
            const bool applies = Applies(step, window);
            for (ControlName control : {step.result, step.resultBox, step.resultPrompt}) {
                if (QWidget* widget = m_find(control)) {
                    widget->setVisible(applies);
                }
            }
        }
    }
    for (std::size_t i = 0; i < states.size(); ++i) {
        ResultView* view = ResultView::Of(m_find(calculator.steps[i].result));
        if (view == nullptr) {
            continue;
        }
        const StepState& state = states[i];
        if (state.state != ResultState::Stale) {
            view->SetStale(false, {});
            continue;
        }
        const auto pressIndex = static_cast<std::size_t>(state.press - calculator.steps.data());
        view->SetStale(true, ToQString(PressFirst(*state.press, states[pressIndex].state, window)));
    }
}

}  // namespace kelvora::ui
