#pragma once
// What a screen reader announces: every input by its prompt's text, every
// result by its prompt with the caption as its value, the link as a link.
//
//   prompt label / naming control --text--> accessible name of its control

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

// Our own interfaces for result, link and combo boxes; before any control is made.
void InstallAccessibleInterfaces();

// Each input of the calculator is named by its prompt label (which becomes
// its buddy), each result by the control that names it on screen.
void NameForScreenReaders(const Calculator& calculator, const ControlLookup& find);

}  // namespace kelvora::ui
