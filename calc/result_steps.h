#pragma once
// Each result of the window and what it follows from: the button whose
// click writes it, the inputs it reads (text boxes, choices, dates, and the
// caption of the step before it), and whether it is an amount of money.
//
//   inputs --click of `button`--> result caption and working
//
// The window uses the table to mark a result whose inputs changed since it
// was written, and the calculation sheet to check that what is shown is
// what the button would give now.

#include <array>
#include <span>

#include "calc/controls.h"

namespace kelvora {

struct ResultStep {
    ControlName result;
    ControlName button;        // for the coefficient, the first of its option buttons
    void (*click)(Controls&);  // nullptr where the options write it
    bool money;                // an amount in 万元
    std::span<const ControlName> inputs;
};

std::span<const ResultStep> ResultSteps();

// The step that writes `result`, or nullptr.
const ResultStep* StepOf(ControlName result);

}  // namespace kelvora
