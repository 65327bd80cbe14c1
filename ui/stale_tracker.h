#pragma once
// Marks a result whose inputs changed since it was written. When a result is
// written, the values of its inputs (texts, choices, dates, the caption of
// the step before) are noted; whenever one of them changes, the result is
// grey while they differ from the noted values and red again when they agree.
// The chain of the steps is unchanged: a grey caption still flows on.
//
//   result written --Written--> noted inputs; dependants re-checked
//   input changed --(signal)--> its results re-checked --> ResultView::SetStale

#include <QObject>
#include <QStringList>
#include <string_view>
#include <unordered_map>

#include "calc/result_steps.h"
#include "ui/widget_controls.h"

namespace kelvora::ui {

class StaleTracker : public QObject {
public:
    StaleTracker(const ControlMap& widgets, QObject* parent);

    // Called after `result` was written.
    void Written(ControlName result);

private:
    void InputChanged(ControlName input);
    void Check(const ResultStep& step);
    QStringList Values(const ResultStep& step) const;

    const ControlMap& m_widgets;
    std::unordered_map<std::string_view, QStringList> m_noted;
};

}  // namespace kelvora::ui
