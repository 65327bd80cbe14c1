#pragma once
// Keeps what the window says about its figures true. Every result's colour: red exactly when the
// result is current (its button, pressed now, would write the same caption and working, and the
// earlier results it reads are current), grey with a first tooltip line naming the button to press
// otherwise. Whenever an input of a calculator changes or one of its results is written, all its
// results are looked at again; the chain of the steps is unchanged, a grey caption still flows on.
//
// The marks of the inputs follow them as they change, and a written result
// takes the notes of the inputs (and earlier results) it was computed from.
//
//   input changed | result written --StepStates--> ResultView::SetStale
//                                  --InputNote--> ShowInputNote
//   result written --StepNotes--> ResultView::SetMarks

#include <QObject>
#include <QString>

#include "calc/calculators.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

class StaleTracker : public QObject {
public:
    StaleTracker(ControlLookup find, QObject* parent);

    // Follows the inputs of `calculator`, whose page has been built.
    void Track(const Calculator& calculator);
    // Called after `result` was written.
    void Written(ControlName result);

private:
    void Evaluate(const Calculator& calculator);

    ControlLookup m_find;
};

}  // namespace kelvora::ui
