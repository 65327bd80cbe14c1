#pragma once
// A calculator's page joined to its model, by what each control means in the
// calculators' table. The model holds the inputs and the results; the widgets
// show them and tell it what the user did.
//
//   box typed | entry picked | box ticked | option chosen | date set --> model.Set…
//   button (or option) clicked --its handler (CommandNClick)--> model.Press
//   model changed --> each result's caption, working and marks (ResultView), red or grey
//                     with what to press first, each input's mark, the steps that apply shown
//
// A handler that fails is reported over the window and its result keeps its
// caption; a choice that holds none of its entries opens its list.

#include "calc/calculator_model.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

// Joins the page of `model`'s calculator, whose controls are made, to the
// model: the widgets' values become its inputs, now and as they change, and
// its outcomes and states are shown from now on. Errors are reported over `window`.
void BindPage(CalculatorModel& model, const ControlLookup& find, QWidget* window);

}  // namespace kelvora::ui
