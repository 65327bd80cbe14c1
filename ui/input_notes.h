#pragma once
// A small warning mark at the right end of an input whose text is not read
// as typed (calc/input_check.h), with a tooltip saying what is used; it
// follows the text as the user types. Screen readers get the same words as
// the box's description.
//
//   text changed --InputNote--> mark shown or hidden

#include "calc/calculator.h"
#include "ui/control_lookup.h"

class QAction;

namespace kelvora::ui {

// Marks the number boxes and the choice boxes of a calculator.
void AttachInputNotes(const Calculator& calculator, const ControlLookup& find);

// The warning mark of a box (its line edit for the combo box), or nullptr.
QAction* InputNoteMark(const QWidget* input);

}  // namespace kelvora::ui
