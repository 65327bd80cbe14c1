#pragma once
// The click layers see the window only through Controls: they read a
// control by its name (a text, a check box value or a date) and write one
// result caption by name. The window implements it over its widgets; tests
// use a plain map.

#include <chrono>
#include <string>
#include <string_view>

namespace kelvora {

// A date and time of day on the calendar, without a time zone.
using DateTime = std::chrono::local_seconds;

// Values of a check box, as Value() reports them.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;

class Controls {
public:
    virtual ~Controls() = default;

    // The text of a text box or combo box, or the caption of a label (UTF-8).
    virtual std::string Text(std::string_view control) const = 0;
    // The value of a check box: kUnchecked, kChecked or kGrayed.
    virtual int Value(std::string_view control) const = 0;
    // The date (and time of day, if it carries one) of a date picker.
    virtual DateTime Date(std::string_view control) const = 0;
    // Replaces the whole caption of a result label.
    virtual void SetCaption(std::string_view control, std::string_view caption) = 0;
    // Replaces the working shown beside a result label's caption (lines
    // separated by line feeds). Written just before the caption it explains.
    virtual void SetWorking(std::string_view control, std::string_view working) = 0;
};

}  // namespace kelvora
