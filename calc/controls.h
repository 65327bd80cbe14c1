#pragma once
// The click layers see the window only through Controls: they read an
// input by its role (a text, whether a box is ticked, a date) and write a
// result, its caption and the working behind it, in one call. The window
// implements it over its widgets; tests use plain maps.
//
//   role --Text | Checked | Date--> click layer --WriteResult--> result label

#include <chrono>
#include <string>

#include "calc/control_roles.h"

namespace kelvora {

// A date and time of day on the calendar, without a time zone.
using DateTime = std::chrono::local_seconds;

// What a calculation writes into its result label: the caption, the working
// behind it (lines separated by line feeds), shown together, and for an
// amount in 万元 the figure its yuan are taken from, apart from the working.
struct Result {
    std::string caption;
    std::string working;
    std::string amount = {};  // empty for anything but an amount
    friend bool operator==(const Result&, const Result&) = default;
};

class Controls {
public:
    virtual ~Controls() = default;

    // The text of a text box or combo box, or the caption of a label (UTF-8).
    virtual std::string Text(ControlName control) const = 0;
    // Whether a check box is ticked; a greyed box is not.
    virtual bool Checked(ControlName control) const = 0;
    // The date (and time of day, if it carries one) of a date picker.
    virtual DateTime Date(ControlName control) const = 0;
    // Replaces a result label's caption and working together.
    virtual void WriteResult(ControlName control, const Result& result) = 0;
    // Whether a click writes the working with its figure; a batch of lots asks
    // for the figures alone and writes a lot's working only when it is shown.
    virtual bool WantsWorking() const { return true; }
};

}  // namespace kelvora
