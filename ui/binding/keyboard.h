#pragma once
// Working from the keyboard: the focus starts in the opening page's first
// input; Tab goes round the current page and the tab bar (the focus order of
// the control table); Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp
// change page and put the focus in that page's first input; Enter in an
// input presses its step's button, and Enter or Space on a button presses it;
// the Menu key or Shift+F10 there opens the menu of the step's result.
//
//   input --Enter--> button of the step that reads it (calc/calculators.h)

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

// The page keys of `window`, the window that holds the controls.
void SetUpKeyboard(QWidget* window, const ControlLookup& find);

// Enter in each input of the calculator's steps presses the step's button.
void SetUpEnterKeys(const Calculator& calculator, const ControlLookup& find);

// The first control of a page's focus order.
QWidget* FirstInputOf(const ControlLookup& find, int page);

}  // namespace kelvora::ui
