#include "ui/stale_tracker.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>

#include "ui/qt_text.h"
#include "ui/result_view.h"
#include "ui/shown_value.h"
#include "ui/widget_controls.h"

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

QString ButtonText(const CalculatorStep& step, const ControlLookup& find)
{
    return ShownText(find(step.buttons.front()));
}

// The first tooltip line of a grey result that `press` makes current.
QString StaleLine(const CalculatorStep& press, ResultState pressState, const ControlLookup& find)
{
    if (pressState == ResultState::Missing) {
        return PressFirst(press, find);
    }
    const WidgetControls window(find);
    if (const CalculatorInput* unchosen = UnchosenInput(press, window)) {
        return QStringLiteral("输入已更改，请选择%1").arg(ToQString(unchosen->name));
    }
    if (press.kind == StepKind::Choice) {
        return QStringLiteral("输入已更改，请重新选择%1").arg(ToQString(press.name));
    }
    return QStringLiteral("输入已更改，请点击“%1”重新计算").arg(ButtonText(press, find));
}

}  // namespace

QString PressFirst(const CalculatorStep& press, const ControlLookup& find)
{
    const WidgetControls window(find);
    if (const CalculatorInput* unchosen = UnchosenInput(press, window)) {
        return QStringLiteral("请先选择%1").arg(ToQString(unchosen->name));
    }
    if (press.kind == StepKind::Choice) {
        return QStringLiteral("请先选择%1").arg(ToQString(press.name));
    }
    return QStringLiteral("请先点击“%1”").arg(ButtonText(press, find));
}

StaleTracker::StaleTracker(ControlLookup find, QObject* parent)
    : QObject(parent), m_find(std::move(find))
{
}

void StaleTracker::Track(const Calculator& calculator)
{
    const auto changed = [this, &calculator] { Evaluate(calculator); };
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
    if (const Calculator* calculator = CalculatorOf(result)) {
        Evaluate(*calculator);
    }
}

void StaleTracker::Evaluate(const Calculator& calculator)
{
    const WidgetControls window(m_find);
    const auto working = [this](ControlName result) {
        const ResultView* view = ResultView::Of(m_find(result));
        return view != nullptr ? view->Working().toStdString() : std::string();
    };
    const std::vector<StepState> states = StepStates(calculator, window, working);
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
        view->SetStale(true, StaleLine(*state.press, states[pressIndex].state, m_find));
    }
}

}  // namespace kelvora::ui
