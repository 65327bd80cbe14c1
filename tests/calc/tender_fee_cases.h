#pragma once
// What Label5 shows after a click of Command1, for the tender fee's edge
// cases; run both against the click layer and through the real window.

#include <ostream>
#include <vector>

#include "calc/input_values.h"

namespace kelvora::testing {

inline constexpr const char* kEngineering = "工程招标";
inline constexpr const char* kServices = "服务招标";
inline constexpr const char* kGoods = "货物招标";

// The states of Check1 a case sets; a greyed box counts as not ticked.
enum CheckState { kUnchecked, kChecked, kGrayed };

struct FeeCase {
    const char* type;
    const char* amount;
    int check;  // a CheckState
    const char* shown;
};

inline void PrintTo(const FeeCase& c, std::ostream* os)
{
    *os << c.type << " \"" << c.amount << "\" check " << c.check << " -> " << c.shown;
}

inline const std::vector<FeeCase>& TenderFeeCases()
{
    static const std::vector<FeeCase> cases{
        FeeCase{kEngineering, "", 0, "0.00"}, FeeCase{kEngineering, "50", 0, "0.50"},
        FeeCase{kEngineering, "100", 0, "1.00"}, FeeCase{kEngineering, "100.01", 0, "1.00"},
        FeeCase{kEngineering, "500", 0, "3.80"}, FeeCase{kEngineering, "1000", 0, "6.55"},
        FeeCase{kEngineering, "6000", 0, "22.55"}, FeeCase{kEngineering, "10000", 0, "30.55"},
        FeeCase{kEngineering, "50000", 0, "50.55"}, FeeCase{kEngineering, "100000", 0, "75.55"},
        FeeCase{kEngineering, "200000", 0, "85.55"}, FeeCase{kEngineering, "999999", 0, "165.55"},
        FeeCase{kEngineering, "1000000", 0, "165.55"},
        FeeCase{kEngineering, "2000000", 0, "265.55"}, FeeCase{kEngineering, "-50", 0, "-0.50"},
        FeeCase{kEngineering, "100", 1, "1.30"}, FeeCase{kEngineering, "500", 1, "4.94"},
        FeeCase{kEngineering, "999999", 1, "215.21"}, FeeCase{kServices, "100", 0, "1.50"},
        FeeCase{kServices, "250", 0, "2.70"}, FeeCase{kServices, "1000", 0, "6.95"},
        FeeCase{kServices, "10000", 0, "21.95"}, FeeCase{kServices, "100000", 0, "66.95"},
        FeeCase{kServices, "500000", 0, "106.95"}, FeeCase{kServices, "1000000", 0, "156.95"},
        FeeCase{kServices, "500", 1, "6.11"}, FeeCase{kGoods, "500", 0, "5.90"},
        FeeCase{kGoods, "5000", 0, "29.90"}, FeeCase{kGoods, "10000", 0, "42.40"},
        FeeCase{kGoods, "100000", 0, "87.40"}, FeeCase{kGoods, "1000000", 0, "177.40"},
        FeeCase{kGoods, "2000000", 0, "277.40"}, FeeCase{kGoods, "1000", 1, "12.87"},
        FeeCase{kGoods, "100000", 1, "113.62"},
        // a greyed check box is not a ticked one
        FeeCase{kEngineering, "500", kGrayed, "3.80"}, FeeCase{kGoods, "1000", kGrayed, "9.90"},
        // texts as typed
        FeeCase{kEngineering, "abc", 0, "0.00"}, FeeCase{kEngineering, "6 000", 0, "22.55"},
        FeeCase{kEngineering, "\xEF\xBC\x96\xEF\xBC\x90\xEF\xBC\x90\xEF\xBC\x90", 0, "22.55"}};
    return cases;
}

// Fees whose doubles sit just below a half cent show the rounded-up cent.
inline const std::vector<FeeCase>& HalfCentCases()
{
    static const std::vector<FeeCase> cases{
        FeeCase{kEngineering, "105", 0, "1.04"}, FeeCase{kEngineering, "115", 0, "1.11"},
        FeeCase{kEngineering, "600", 1, "5.66"}, FeeCase{kEngineering, "800", 1, "7.09"}};
    return cases;
}

}  // namespace kelvora::testing
