#include "ui/binding/page_binding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>

#include "calc/input_check.h"
#include "ui/binding/shown_value.h"
#include "ui/common/error_report.h"
#include "ui/common/qt_text.h"
#include "ui/documents/page_sheet.h"
#include "ui/layout/control_table.h"
#include "ui/widgets/coefficient_list.h"
#include "ui/widgets/note_mark.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

DateTime DateTimeOf(const QDateTime& value)
{
    // QDate::toStdSysDays() needs a newer standard library than g++ 12's;
    // Julian day 2440588 is 1970-01-01, the epoch of the chrono clocks.
    constexpr qint64 kJulianDayOfEpoch = 2440588;
    const std::chrono::days day{value.date().toJulianDay() - kJulianDayOfEpoch};
    return DateTime{day} + std::chrono::seconds{value.time().msecsSinceStartOfDay() / 1000};
}

// Hands what `widget` holds to the model as the value of `control`, now and
// whenever it changes.
void Follow(QWidget* widget, ControlName control, CalculatorModel& model, QObject* context)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const auto set = [&model, control, edit](const QString& text) {
            if (const CoefficientRow* row = CoefficientList::ChosenRow(edit)) {
                model.SetListedRow(control, row);
            }
            model.SetText(control, text.toStdString());
        };
        set(edit->text());
        QObject::connect(edit, &QLineEdit::textChanged, context, set);
        for (QObject* child : edit->children()) {
            if (auto* list = dynamic_cast<CoefficientList*>(child)) {
                list->OnChosen([&model, control](const CoefficientRow& row) {
                    model.SetListedRow(control, &row);
                });
            }
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const auto set = [&model, control](const QString& text) {
            model.SetText(control, text.toStdString());
        };
        set(combo->currentText());
        QObject::connect(combo, &QComboBox::currentTextChanged, context, set);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        const auto set = [&model, control, box] { model.SetTicked(control, IsTicked(box)); };
        set();
        QObject::connect(box, &QCheckBox::stateChanged, context, set);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const auto set = [&model, control](bool ticked) { model.SetTicked(control, ticked); };
        set(IsTicked(button));
        QObject::connect(button, &QAbstractButton::toggled, context, set);
    } else if (auto* picker = qobject_cast<QDateTimeEdit*>(widget)) {
        const auto set = [&model, control](const QDateTime& value) {
            model.SetDate(control, DateTimeOf(value));
        };
        set(picker->dateTime());
        QObject::connect(picker, &QDateTimeEdit::dateTimeChanged, context, set);
    }
}

// A step whose press wrote nothing because a choice holds none of its
// entries (a tender type the list lacks): its list is opened to choose from.
void OfferUnchosen(const CalculatorStep& step, const CalculatorModel& model,
                   const ControlLookup& find)
{
    const CalculatorInput* unchosen = UnchosenInput(step, model.inputs());
    QWidget* input = unchosen != nullptr ? find(unchosen->control) : nullptr;
    if (input == nullptr) {
        return;
    }
    input->setFocus(Qt::OtherFocusReason);
    if (auto* combo = qobject_cast<QComboBox*>(input)) {
        combo->showPopup();
    }
}

// What the page shows of its model: the marks of its inputs, the steps that
// apply, each result red or grey.
void ShowStates(const CalculatorModel& model, const ControlLookup& find)
{
    const Calculator& calculator = model.calculator();
    const std::vector<StepState> states = model.States();
    // The marks of the inputs; an empty box only once a figure was computed from it.
    for (std::size_t i = 0; i < states.size(); ++i) {
        const bool computed = states[i].state != ResultState::Missing;
        for (const CalculatorInput& input : calculator.steps[i].inputs) {
            if (IsNumberKind(input.kind) || input.kind == InputKind::Choice) {
                const auto note = InputNote(input, model.inputs().Text(input.control), computed);
                ShowInputNote(find(input.control), note ? ToQString(*note) : QString());
            }
        }
    }
    // A step with no figure of its own under the terms (the fee to charge
    // under the standard terms) is not shown at all.
    for (const CalculatorStep& step : calculator.steps) {
        if (step.applies != nullptr) {
            for (ControlName control : {step.result, step.resultBox, step.resultPrompt}) {
                if (QWidget* widget = find(control)) {
                    widget->setVisible(model.Applies(step));
                }
            }
        }
    }
    for (std::size_t i = 0; i < states.size(); ++i) {
        ResultView* view = ResultView::Of(find(calculator.steps[i].result));
        if (view == nullptr) {
            continue;
        }
        if (states[i].state != ResultState::Stale) {
            view->SetStale(false, {});
            continue;
        }
        const std::size_t press = StepIndex(calculator, *states[i].press);
        view->SetStale(true, ToQString(PressFirstText(states[i], states[press].state, model)));
    }
}

// The result view of `step` shows its outcome as last written.
void ShowWritten(const CalculatorModel& model, std::size_t step, const ControlLookup& find)
{
    const auto& outcome = model.Shown(step);
    if (ResultView* view = ResultView::Of(find(model.calculator().steps[step].result));
        outcome && view) {
        view->Write(*outcome);
    }
}

}  // namespace

void BindPage(CalculatorModel& model, const ControlLookup& find, QWidget* window)
{
    const Calculator& calculator = model.calculator();
    QWidget* frame = find(calculator.frame);
    for (const CalculatorStep& step : calculator.steps) {
        for (const CalculatorInput& input : step.inputs) {
            if (input.kind != InputKind::Result) {
                Follow(find(input.control), input.control, model, frame);
            }
        }
        if (step.kind == StepKind::Choice) {
            for (ControlName option : step.buttons) {
                Follow(find(option), option, model, frame);
            }
        }
    }
    // A change is told to the window as it comes: a fault in the tables is
    // reported, never left to escape into Qt or shown as a silent grey.
    model.Listen([&model, find, window](CalculatorModel::Change change, std::size_t step) {
        RunReported(window, [&] {
            if (change == CalculatorModel::Change::Written) {
                ShowWritten(model, step, find);
            }
            ShowStates(model, find);
        });
    });
    // Each button (each option of a choice) runs its handler once, which
    // presses every step it starts.
    std::vector<ControlName> wired;
    for (const CalculatorStep& step : calculator.steps) {
        for (ControlName control : step.buttons) {
            auto* button = Lookup<QAbstractButton>(find, control);
            if (button == nullptr ||
                std::find(wired.begin(), wired.end(), control) != wired.end()) {
                continue;
            }
            wired.push_back(control);
            const auto click = step.click;
            QObject::connect(
                button, &QAbstractButton::clicked, button, [&model, find, window, click, control] {
                    RunReported(window, [&] {
                        click(model);
                        for (const CalculatorStep& each : model.calculator().steps) {
                            const bool started = std::find(each.buttons.begin(), each.buttons.end(),
                                                           control) != each.buttons.end();
                            if (started && model.Applies(each)) {
                                OfferUnchosen(each, model, find);
                                break;
                            }
                        }
                    });
                });
        }
    }
    for (std::size_t step = 0; step < calculator.steps.size(); ++step) {
        ShowWritten(model, step, find);
    }
    ShowStates(model, find);
}

}  // namespace kelvora::ui
