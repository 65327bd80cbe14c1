#pragma once
// A small warning mark at the right end of an input whose text is not read
// as typed (calc/input_check.h), with a tooltip saying what is used; it
// follows the text as the user types. Screen readers get the same words as
// the box's description.
//
//   text changed --InputNote / TenderTypeNote--> mark shown or hidden

#include "ui/widget_controls.h"

class QAction;
class QLineEdit;

namespace kelvora::ui {

// Marks the number boxes and the tender type box of the window.
void AttachInputNotes(const ControlMap& widgets);

// The warning mark of a box (its line edit for the combo box), or nullptr.
QAction* InputNoteMark(const QWidget* input);

}  // namespace kelvora::ui
