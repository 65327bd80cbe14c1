#pragma once
// What Label15 shows for an amount typed into Text2; run against the click
// layer and through the real window.

#include <ostream>
#include <vector>

namespace kelvora::testing {

struct BasePriceCase {
    const char* amount;
    const char* shown;
};

inline void PrintTo(const BasePriceCase& c, std::ostream* os)
{
    *os << '"' << c.amount << "\" -> " << c.shown;
}

inline const std::vector<BasePriceCase>& BasePriceCases()
{
    static const std::vector<BasePriceCase> cases{
        // table points
        {"500", "16.5"},
        {"1000", "30.1"},
        {"8000", "181"},
        {"100000", "1507"},
        {"1000000", "10390.1"},
        // inside a segment
        {"750", "23.3"},
        {"2000", "54.1"},
        {"4000", "99.45"},
        {"15000", "306"},
        {"150000", "2109.75"},
        {"900000", "9524.25"},
        {"999999", "10390.0913415"},
        {"500.01", "16.500272"},
        // below the table: the first segment's line continued
        {"499.99", "16.499728"},
        {"250", "9.7"},
        {"", "2.9"},
        {"-200", "-2.54"},
        // above the table
        {"1000001", "10390.01039"},
        {"1500000", "15585"},
    };
    return cases;
}

}  // namespace kelvora::testing
