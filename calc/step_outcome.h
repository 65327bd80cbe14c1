#pragma once
// What one step of a calculator gives when pressed: the figure computed, the
// caption the window shows (and the number it reads as, which a later step
// computes with), the working line by line, the notes on the inputs
// it rests on, and for an amount in 万元 the exact amount in 分 its 小写 and 大写
// state. A page keeps the outcome last written for each step; a batch keeps
// the figures of each lot.
//
//   step (typed inputs, earlier outcomes, the agency's terms) --> StepOutcome

#include <optional>
#include <string>
#include <vector>

#include "calc/money.h"

namespace kelvora {

struct StepOutcome {
    double value = 0;                       // as computed
    std::string caption = {};               // as shown: "22.55", "7.48727999999999", "0.85", "365"
    double shown = 0;                       // the number the caption reads as
    std::vector<std::string> working = {};  // line by line; empty where it was not asked for
    std::optional<Money> money = {};        // an amount in 万元 to the 分; none when too large
    // The part of a fee a cap per tender applies to, to the 分 (the band total
    // before the document service), where a cap applies.
    std::optional<Money> capped = {};
    std::vector<std::string> notes = {};  // the notes on the inputs it was computed from

    friend bool operator==(const StepOutcome&, const StepOutcome&) = default;
};

// The working as one text, its lines joined by line feeds.
std::string WorkingText(const StepOutcome& outcome);

// The working as the window shows it: its lines, then 小写 and 大写 of an amount.
std::string ShownWorking(const StepOutcome& outcome);

// The lines of a working written as one text.
std::vector<std::string> WorkingLines(std::string_view text);

}  // namespace kelvora
