#pragma once
// Construction supervision fee, in three steps the user starts one by one.
//
//   Text2 --ReadNumber--> amount --SupervisionBasePrice--> Label15 (FormatGeneral)
//   Option1..3 --ComplexityCoefficient--> Label10 (FormatTwoDecimals)
//   Label15, Text4, Label10, Text3 --BenchmarkPrice--> Label11 (FormatGeneral)
//   Label11, Text5 --ChargedFee--> Label14 (FormatGeneral)
//
// Each result also has the working behind its figure, line by line.
// Each step reads the previous step's caption as shown, so it computes with
// the rounded figure on screen, and nothing is recomputed until its own
// button is pressed.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calc/calculator.h"

namespace kelvora {

struct BasePricePoint {
    double amount;  // fee-basis amount, 万元
    double price;   // base price, 万元
};

// clang-format off
inline constexpr std::array<BasePricePoint, 16> kBasePriceTable{{
    {500, 16.5},       {1000, 30.1},      {3000, 78.1},      {5000, 120.8},
    {8000, 181},       {10000, 218.6},    {20000, 393.4},    {40000, 708.2},
    {60000, 991.4},    {80000, 1255.8},   {100000, 1507},    {200000, 2712.5},
    {400000, 4882.6},  {600000, 6835.6},  {800000, 8658.4},  {1000000, 10390.1},
}};
// clang-format on

// Above the last point the base price is this share of the amount (1.039 %).
inline constexpr double kRateAboveTable = 0.01039;

// The rise of the segment from point i to point i + 1: the double difference
// of the two stored prices (78.1 - 30.1 is 47.99999999999999, not 48).
inline constexpr double SegmentRise(std::size_t i)
{
    return kBasePriceTable[i + 1].price - kBasePriceTable[i].price;
}

inline constexpr double SegmentSpan(std::size_t i)
{
    return kBasePriceTable[i + 1].amount - kBasePriceTable[i].amount;
}

enum class BasePriceMethod {
    TablePoint,  // the amount is a point of the table
    Segment,     // strictly between two neighbouring points
    BelowTable,  // below the first point: the first segment's line continued
    AboveTable,  // above the last point: kRateAboveTable of the amount
};

struct BasePriceSteps {
    double amount;
    BasePriceMethod method;
    std::size_t point;  // the table point, or the first point of the segment
    double price;
};

// Base price of a fee-basis amount: the stored price at a table point, the
// straight line strictly between two points, the first segment's line
// continued below 500, 1.039 % above 1,000,000. Throws FloatingPointError
// for amounts too large in magnitude for double arithmetic and for amounts
// that are not finite.
BasePriceSteps SupervisionBasePriceSteps(double amount);
double SupervisionBasePrice(double amount);

// "393.4 + (708.2 − 393.4) ÷ (40000 − 20000) × (35000 − 20000) = 629.5"
std::string BasePriceWorking(const BasePriceSteps& steps);

// The grades in the order of their option buttons Option1..Option3; the
// control table takes the buttons' captions from here.
struct ComplexityGrade {
    std::string_view caption;
    double coefficient;
};

inline constexpr std::array<ComplexityGrade, 3> kComplexityGrades{{
    {"一般", 0.85},
    {"较复杂", 1},
    {"复杂", 1.15},
}};

// The captions alone, as the values the choice may take.
inline constexpr std::array<std::string_view, kComplexityGrades.size()> kComplexityCaptions = [] {
    std::array<std::string_view, kComplexityGrades.size()> captions{};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        captions[i] = kComplexityGrades[i].caption;
    }
    return captions;
}();

// ((base x discipline) x complexity) x elevation. Like ChargedFee, throws
// FloatingPointError on overflow and for operands that are not finite.
double BenchmarkPrice(double base, double discipline, double complexity, double elevation);

// benchmark x (1 + range / 100), the range in percent.
double ChargedFee(double benchmark, double rangePercent);

// "基价 × 专业 × 复杂程度 × 高程", the four numbers as read, the result.
std::string BenchmarkWorking(double base, double discipline, double complexity, double elevation,
                             double benchmark);

// "基准价 × (1 + 浮动幅度%)", the numbers as read, the result.
std::string ChargedFeeWorking(double benchmark, double rangePercent, double fee);

// The grade and its coefficient.
std::string ComplexityWorking(std::size_t grade);

// Click of any of the options: the choice writes the coefficient of the
// option ticked into Label10, nothing when none is.
void ComplexityOptionClick(CalculatorModel& page);

void Command10Click(CalculatorModel& page);  // Text2 -> Label15
void Command2Click(CalculatorModel& page);   // Text4, Label10, Text3, Label15 -> Label11
void Command3Click(CalculatorModel& page);   // Label11, Text5 -> Label14

// The supervision fee as a calculator of the window: base price, the grade's
// coefficient (a choice), benchmark price, charged fee.
const Calculator& SupervisionFeeCalculator();

}  // namespace kelvora
