#pragma once
// The click layers see the window only through Controls: they read a
// control's text, value or date by its name and write one result caption by
// name. The window implements it over its widgets; tests use a plain map.

#include <string>
#include <string_view>

namespace kelvora {

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
    // Replaces the whole caption of a result label.
    virtual void SetCaption(std::string_view control, std::string_view caption) = 0;
};

}  // namespace kelvora
