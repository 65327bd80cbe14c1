#pragma once
// What a person gave one calculator, by control: the texts as typed (a number
// box, the tender type), the ticks (the check box, the options) and the dates.
// A page's model holds one for its page; a batch fills one per lot from the
// lot's cells. Nothing is read or checked here: the steps read what they need.
//
//   typed | pasted | picked --Set…--> InputValues --Text | Ticked | Date--> a step

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/control_roles.h"

namespace kelvora {

// A date and time of day on the calendar, without a time zone.
using DateTime = std::chrono::local_seconds;

class InputValues {
public:
    // What was set for a control: "" / false / the epoch for one never set.
    std::string_view Text(ControlName control) const;
    bool Ticked(ControlName control) const;
    DateTime Date(ControlName control) const;

    // Each returns whether the value changed.
    bool SetText(ControlName control, std::string_view text);
    // The number the text of `control` reads as (ReadNumber), where it was
    // read already; forgotten when the text changes.
    void SetNumber(ControlName control, double number);
    std::optional<double> Number(ControlName control) const;
    bool SetTicked(ControlName control, bool ticked);
    bool SetDate(ControlName control, DateTime date);

    // Forgets every value, keeping the room they took (for the next lot).
    void Clear();

private:
    struct Entry {
        ControlName control;
        std::string text;
        std::optional<double> number;
        bool ticked = false;
        DateTime date{};
    };
    const Entry* Find(ControlName control) const;
    Entry& Place(ControlName control);

    std::vector<Entry> m_entries;  // a few per calculator
    std::size_t m_used = 0;        // entries [0, m_used) hold values
};

}  // namespace kelvora
