#pragma once
// What a screen reader announces: every input by its prompt's text, every
// result by its prompt with the caption as its value, the link as a link.
//
//   prompt label / naming control --text--> accessible name of its control

#include "ui/widget_controls.h"

namespace kelvora::ui {

// Our own interfaces for result, link and combo boxes; before any control is made.
void InstallAccessibleInterfaces();

void NameForScreenReaders(const ControlMap& widgets);

}  // namespace kelvora::ui
