#pragma once
// Tender agency service fee.
//
//   Combo1 text --TenderTypeFromText--> TenderType (none: nothing happens)
//   Check1 ticked                    --> document service factor 1.3
//   Text1 text --ReadNumber--> amount --TenderAgencyFee--> fee (schedule from the agency's terms)
//   fee --FormatTwoDecimals--> Label5 caption, TenderFeeWorking --> its working
//
// The fee is progressive over eight bands; each band has a rate per tender
// type, and the fee is the rate times the part of the amount inside the
// band reached, plus the stored fees of the bands below it.

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/calculator.h"

namespace kelvora {

enum class TenderType { Engineering, Services, Goods };
inline constexpr std::size_t kTenderTypeCount = 3;

struct TenderTypeText {
    TenderType type;
    std::string_view text;
};

// The entries of Combo1, in list order.
inline constexpr std::array<TenderTypeText, kTenderTypeCount> kTenderTypeTexts{{
    {TenderType::Engineering, "工程招标"},
    {TenderType::Services, "服务招标"},
    {TenderType::Goods, "货物招标"},
}};

// The same texts alone, as the list of the choice.
inline constexpr std::array<std::string_view, kTenderTypeCount> kTenderTypeEntries = [] {
    std::array<std::string_view, kTenderTypeCount> entries{};
    for (std::size_t i = 0; i < kTenderTypeCount; ++i) {
        entries[i] = kTenderTypeTexts[i].text;
    }
    return entries;
}();

struct TenderFeeBand {
    // Membership: from < amount (or <= when fromIncluded), amount < to (or <= when toIncluded).
    double from;
    bool fromIncluded;
    double to;
    bool toIncluded;
    double lower;  // L: the amount the formula subtracts
    std::array<double, kTenderTypeCount> rates;
    // The charge of the whole band, (next L - L) x rate, stored as the
    // double nearest the decimal figure; 400 x 0.007 is not that double.
    // Unused for the last band.
    std::array<double, kTenderTypeCount> bandFees;
};

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// clang-format off
inline constexpr std::array<TenderFeeBand, 8> kTenderFeeBands{{
    //  from        incl.  to          incl.  L          Engineering / Services / Goods
    {-kUnbounded,   false, 100,        true,  0,         {0.01,   0.015,  0.015 }, {1,    1.5,  1.5 }},
    {100,           false, 500,        true,  100,       {0.007,  0.008,  0.011 }, {2.8,  3.2,  4.4 }},
    {500,           false, 1000,       true,  500,       {0.0055, 0.0045, 0.008 }, {2.75, 2.25, 4   }},
    {1000,          false, 5000,       true,  1000,      {0.0035, 0.0025, 0.005 }, {14,   10,   20  }},
    {5000,          false, 10000,      true,  5000,      {0.002,  0.001,  0.0025}, {10,   5,    12.5}},
    {10000,         false, 100000,     true,  10000,     {0.0005, 0.0005, 0.0005}, {45,   45,   45  }},
    {100000,        false, 1000000,    false, 100000,    {0.0001, 0.0001, 0.0001}, {90,   90,   90  }},
    {1000000,       true,  kUnbounded, false, 1000000,   {0.0001, 0.0001, 0.0001}, {0,    0,    0   }},
}};
// clang-format on

// The bands of 计价格〔2002〕1980号 as amended by 发改价格〔2011〕534号: the
// same up to 5 亿元 (50,000 万元), then one rate for all three types.
// clang-format off
inline constexpr std::array<TenderFeeBand, 10> kTenderFeeBands2011{{
    //  from        incl.  to          incl.  L          Engineering / Services / Goods
    {-kUnbounded,   false, 100,        true,  0,         {0.01,    0.015,   0.015  }, {1,    1.5,  1.5 }},
    {100,           false, 500,        true,  100,       {0.007,   0.008,   0.011  }, {2.8,  3.2,  4.4 }},
    {500,           false, 1000,       true,  500,       {0.0055,  0.0045,  0.008  }, {2.75, 2.25, 4   }},
    {1000,          false, 5000,       true,  1000,      {0.0035,  0.0025,  0.005  }, {14,   10,   20  }},
    {5000,          false, 10000,      true,  5000,      {0.002,   0.001,   0.0025 }, {10,   5,    12.5}},
    {10000,         false, 50000,      true,  10000,     {0.0005,  0.0005,  0.0005 }, {20,   20,   20  }},
    {50000,         false, 100000,     true,  50000,     {0.00035, 0.00035, 0.00035}, {17.5, 17.5, 17.5}},
    {100000,        false, 500000,     true,  100000,    {0.00008, 0.00008, 0.00008}, {32,   32,   32  }},
    {500000,        false, 1000000,    true,  500000,    {0.00006, 0.00006, 0.00006}, {30,   30,   30  }},
    {1000000,       false, kUnbounded, false, 1000000,   {0.00004, 0.00004, 0.00004}, {0,    0,    0   }},
}};
// clang-format on

inline constexpr double kDocumentServiceFactor = 1.3;

// A fee schedule of the tender fee: the bands it charges by, the most one
// tender is charged by type (before the document service), and how a sheet
// cites it.
struct TenderFeeSchedule {
    FeeSchedule cited;
    std::span<const TenderFeeBand> bands;
    std::array<double, kTenderTypeCount> caps{kUnbounded, kUnbounded, kUnbounded};
};

// The bands of 计价格〔2002〕1980号 (kTenderFeeBands).
extern const TenderFeeSchedule kTenderFee2002;
// The same as amended by 发改价格〔2011〕534号 (kTenderFeeBands2011), with its
// caps of 450 (工程), 300 (服务) and 350 (货物) 万元 per tender.
extern const TenderFeeSchedule kTenderFee2011;

// The schedule of an id ("2002", "2011"), or nothing.
const TenderFeeSchedule* TenderFeeScheduleById(std::string_view id);

// Exact, character by character; no trimming or case or width folding.
std::optional<TenderType> TenderTypeFromText(std::string_view text);

// Index into `bands` of the band the amount falls in.
std::size_t TenderFeeBandIndex(double amount,
                               std::span<const TenderFeeBand> bands = kTenderFeeBands);

// The figures of one fee as the calculation produces them, in its order.
struct TenderFeeSteps {
    double amount;
    TenderType type;
    bool documentService;
    const TenderFeeSchedule* schedule;
    std::size_t band;  // index into the schedule's bands of the band reached
    double partial;    // (amount - L) x rate of that band
    double banded;     // partial plus the band fees below it, added from band 1 upward
    double sum;        // banded, or the schedule's cap where banded passes it
    double fee;        // sum x factor
};

// Throws FloatingPointError on overflow and for an amount that is not finite.
TenderFeeSteps TenderAgencyFeeSteps(double amount, TenderType type, bool documentService,
                                    const TenderFeeSchedule& schedule = kTenderFee2002);

// The fee in 万元 for an amount in 万元. Throws FloatingPointError on overflow.
double TenderAgencyFee(double amount, TenderType type, bool documentService,
                       const TenderFeeSchedule& schedule = kTenderFee2002);

// The working behind a fee, one line per band reached, then the total:
// "100×1%=1\n(500−100)×0.7%=2.8\n…\n合计 22.55 万元".
std::string TenderFeeWorking(const TenderFeeSteps& steps);

// Click of Command1: presses the standard fee (Text1, Combo1, Check1 -> Label5)
// and, where the agency's terms differ from the standard, the fee to charge (Label26).
void Command1Click(CalculatorModel& page);

// The tender fee as a calculator of the window: one step, Command1.
const Calculator& TenderFeeCalculator();

}  // namespace kelvora
