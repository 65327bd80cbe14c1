#pragma once
// The warning marks (widgets/note_mark.h) of the inputs whose figure would rest
// on a doubtful text (calc/input_check.h): not read as typed, empty once a
// figure was computed from it, a coefficient of 0, a range beyond ±20 %, a
// date that does not exist. Its tooltip says what is used; screen readers
// get the same words as the box's description. Where the correction is
// evident (thousands separators, an amount in yuan) a click on the mark, or
// the box's context menu, offers it.
//
//   inputs changed --StaleTracker--> InputNote --ShowInputNote--> mark shown or hidden

#include <QString>

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

// Adds the marks (hidden) to the number boxes and choice boxes of a
// calculator, and the offers of corrections to its amount boxes.
void AttachInputNotes(const Calculator& calculator, const ControlLookup& find);

}  // namespace kelvora::ui
