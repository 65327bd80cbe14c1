#include "ui/stale_tracker.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <set>

#include "ui/result_view.h"

namespace kelvora::ui {
namespace {

// What an input shows, as one text to compare.
QString ValueOf(const QWidget* widget)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        return QString::number(box->checkState());
    }
    if (const auto* picker = qobject_cast<const QDateTimeEdit*>(widget)) {
        return picker->dateTime().toString(Qt::ISODate);
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    return {};
}

}  // namespace

StaleTracker::StaleTracker(const ControlMap& widgets, QObject* parent)
    : QObject(parent), m_widgets(widgets)
{
    std::set<std::string_view> connected;
    for (const ResultStep& step : ResultSteps()) {
        for (ControlName input : step.inputs) {
            if (!connected.insert(input.str()).second) {
                continue;
            }
            QWidget* widget = Lookup(widgets, input);
            const auto changed = [this, input] { InputChanged(input); };
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                connect(edit, &QLineEdit::textChanged, this, changed);
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                connect(combo, &QComboBox::currentTextChanged, this, changed);
            } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                connect(box, &QCheckBox::stateChanged, this, changed);
            } else if (auto* picker = qobject_cast<QDateTimeEdit*>(widget)) {
                connect(picker, &QDateTimeEdit::dateTimeChanged, this, changed);
            }
            // result labels: their writes come through Written()
        }
    }
}

void StaleTracker::Written(ControlName result)
{
    if (const ResultStep* step = StepOf(result)) {
        m_noted[result.str()] = Values(*step);
        Check(*step);
    }
    InputChanged(result);
}

void StaleTracker::InputChanged(ControlName input)
{
    for (const ResultStep& step : ResultSteps()) {
        for (ControlName used : step.inputs) {
            if (used == input) {
                Check(step);
            }
        }
    }
}

void StaleTracker::Check(const ResultStep& step)
{
    auto* label = Lookup<QLabel>(m_widgets, step.result);
    ResultView* view = ResultView::Of(label);
    const auto noted = m_noted.find(step.result.str());
    if (view == nullptr || noted == m_noted.end()) {
        return;  // never written: nothing to mark
    }
    const auto* button = Lookup<QAbstractButton>(m_widgets, step.button);
    view->SetStale(Values(step) != noted->second, button ? button->text().trimmed() : QString());
}

QStringList StaleTracker::Values(const ResultStep& step) const
{
    QStringList values;
    for (ControlName input : step.inputs) {
        values << ValueOf(Lookup(m_widgets, input));
    }
    return values;
}

}  // namespace kelvora::ui
