#include "calc/supervision_fee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>

#include "calc/float_error.h"
#include "calc/supervision_cases.h"
#include "calc/tender_fee.h"
#include "calc/test_page.h"
#include "test_support.h"

namespace kelvora {
namespace {

using testing::BasePriceCase;
using testing::TestPage;
using testing::WorkStep;

class BasePriceClickTest : public ::testing::TestWithParam<BasePriceCase> {};

TEST_P(BasePriceClickTest, ShowsTheBasePriceInLabel15)
{
    TestPage page(SupervisionFeeCalculator());
    page.SetText(role::kFeeBasis, GetParam().amount);
    Command10Click(page);
    EXPECT_EQ(page.Caption(role::kBasePrice), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Amounts, BasePriceClickTest,
                         ::testing::ValuesIn(testing::BasePriceCases()));

TEST(BasePriceTable, RisesAreTheDoubleDifferencesOfTheStoredPrices)
{
    struct {
        std::size_t segment;
        double rise;
    } const rises[] = {
        {0, 13.600000000000001},
        {1, 47.99999999999999},
        {11, 2170.1000000000004},
        {12, 1953},
    };
    for (const auto& r : rises) {
        EXPECT_EQ(SegmentRise(r.segment), r.rise) << "segment " << r.segment;
    }
    const double spans[] = {500,   2000,  2000,   3000,   2000,   10000,  20000, 20000,
                            20000, 20000, 100000, 200000, 200000, 200000, 200000};
    for (std::size_t i = 0; i < std::size(spans); ++i) {
        EXPECT_EQ(SegmentSpan(i), spans[i]) << "segment " << i;
    }
}

TEST(SupervisionBasePrice, InsideEverySegmentLiesBetweenItsEndsAndNeverFalls)
{
    std::mt19937_64 rng(500);
    for (std::size_t i = 0; i + 1 < kBasePriceTable.size(); ++i) {
        const auto& p0 = kBasePriceTable[i];
        const auto& p1 = kBasePriceTable[i + 1];
        std::uniform_real_distribution<double> amount(p0.amount, p1.amount);
        std::vector<double> xs{p0.amount, std::nextafter(p0.amount, p1.amount),
                               std::nextafter(p1.amount, p0.amount), p1.amount};
        for (int k = 0; k < 2000; ++k) {
            xs.push_back(amount(rng));
        }
        std::sort(xs.begin(), xs.end());
        double previous = SupervisionBasePrice(xs.front());
        for (double x : xs) {
            const double price = SupervisionBasePrice(x);
            EXPECT_GE(price, p0.price) << x;
            EXPECT_LE(price, p1.price) << x;
            EXPECT_GE(price, previous) << x;
            previous = price;
        }
    }
}

TEST(SupervisionBasePrice, LineBelowTheTableMeetsTheFirstPoint)
{
    const double first = kBasePriceTable[0].price;
    const double ulp = std::nextafter(first, 100.0) - first;
    EXPECT_LE(std::abs(SupervisionBasePrice(std::nextafter(500.0, 0.0)) - first), ulp);
    EXPECT_LE(std::abs(SupervisionBasePrice(499.9999999) - first), 1e-8);
    // and the value at 1,000,000 breaks to the flat rate just above it
    EXPECT_EQ(SupervisionBasePrice(1000000), 10390.1);
    EXPECT_LT(SupervisionBasePrice(std::nextafter(1000000.0, 2e6)), 10390.1);
}

TEST(SupervisionBasePrice, HugeNegativeAmountsFailInsteadOfShowingNonsense)
{
    struct {
        double amount;
        FloatFault fault;
    } const cases[] = {
        {-1e19, FloatFault::DivisionByZero},  {-9.3e18, FloatFault::DivisionByZero},
        {-1e300, FloatFault::DivisionByZero}, {-1e308, FloatFault::Overflow},
        {-1.7e308, FloatFault::Overflow},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(testing::FaultOf([&] { SupervisionBasePrice(c.amount); }), c.fault) << c.amount;
    }
    EXPECT_NO_THROW(SupervisionBasePrice(-1e18));
    EXPECT_NO_THROW(SupervisionBasePrice(1.7e308));
}

// Runs the three steps as the buttons do, from the amount to the charged fee.
struct ChainCase {
    const char* amount;
    const char* discipline;
    int grade;  // index into kComplexityGrades, -1 for none chosen
    const char* elevation;
    const char* range;
    const char* complexityShown;
    const char* benchmarkShown;
    const char* feeShown;
};

void PrintTo(const ChainCase& c, std::ostream* os)
{
    *os << c.amount << " x " << c.discipline << " x grade " << c.grade << " x " << c.elevation
        << ", " << c.range << "% -> " << c.benchmarkShown << ", " << c.feeShown;
}

class SupervisionChainTest : public ::testing::TestWithParam<ChainCase> {};

TEST_P(SupervisionChainTest, EachStepReadsThePreviousCaption)
{
    const ChainCase& c = GetParam();
    TestPage page(SupervisionFeeCalculator());
    page.SetText(role::kFeeBasis, c.amount);
    page.SetText(role::kDiscipline, c.discipline);
    page.SetText(role::kElevation, c.elevation);
    page.SetText(role::kRange, c.range);
    Command10Click(page);
    if (c.grade >= 0) {
        page.SetTicked(
            SupervisionFeeCalculator().steps[1].buttons[static_cast<std::size_t>(c.grade)], true);
        ComplexityOptionClick(page);
    }
    Command2Click(page);
    Command3Click(page);
    EXPECT_EQ(page.Caption(role::kComplexityCoefficient), c.complexityShown);
    EXPECT_EQ(page.Caption(role::kBenchmark), c.benchmarkShown);
    EXPECT_EQ(page.Caption(role::kChargedFee), c.feeShown);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SupervisionChainTest,
    ::testing::Values(
        // 16.5 x 1.15 is the double 18.974999999999998, shown and passed on as 18.975
        ChainCase{"500", "1", 2, "1", "10", "1.15", "18.975", "20.8725"},
        ChainCase{"500", "1", 0, "1", "-20", "0.85", "14.025", "11.22"},
        ChainCase{"1000", "1", 1, "1", "5", "1.00", "30.1", "31.605"},
        ChainCase{"1000", "1", -1, "1", "5", "", "0", "0"},
        ChainCase{"1000", "", 1, "1", "5", "1.00", "0", "0"},
        ChainCase{"1000", "1", 1, "", "5", "1.00", "0", "0"},
        ChainCase{"1000", "1", 1, "1", "", "1.00", "30.1", "30.1"},
        ChainCase{"1000", "1", 1, "1", "5%", "1.00", "30.1", "31.605"},
        ChainCase{"1000", "1,2", 1, "1", "0", "1.00", "30.1", "30.1"},
        ChainCase{"8000", "1.2", 2, "1.1", "-10", "1.15", "274.758", "247.2822"}));

TEST(SupervisionChain, ChargedFeeUsesTheBenchmarkAsShown)
{
    // what the screen shows for 18.974999999999998
    const auto fee = WorkStep(SupervisionFeeCalculator(), role::kChargedFee, {{role::kRange, "10"}},
                              {{role::kBenchmark, "18.975"}});
    EXPECT_EQ(fee->caption, "20.8725");
    EXPECT_EQ(ChargedFee(16.5 * 1.15, 10), 20.872499999999999);
}

TEST(SupervisionChain, EmptyBenchmarkCaptionGivesZero)
{
    TestPage page(SupervisionFeeCalculator());
    page.SetText(role::kRange, "10");
    Command3Click(page);
    EXPECT_EQ(page.Caption(role::kChargedFee), "0");
}

TEST(SupervisionChain, ProductsBeyondTheDoubleRangeWriteNothing)
{
    struct {
        const char* base;
        const char* discipline;
        const char* elevation;
        FloatFault fault;
    } const cases[] = {
        {"16.5", "1e300", "1e300", FloatFault::Overflow},
        {"1e200", "1e200", "1", FloatFault::Overflow},
        {"-16.5", "1e300", "-1e300", FloatFault::Overflow},
    };
    for (const auto& c : cases) {
        const auto work = [&] {
            WorkStep(SupervisionFeeCalculator(), role::kBenchmark,
                     {{role::kDiscipline, c.discipline}, {role::kElevation, c.elevation}},
                     {{role::kBasePrice, c.base}, {role::kComplexityCoefficient, "1.15"}});
        };
        EXPECT_EQ(testing::FaultOf(work), c.fault) << c.discipline;
    }
    EXPECT_THROW(WorkStep(SupervisionFeeCalculator(), role::kChargedFee, {{role::kRange, "1e3"}},
                          {{role::kBenchmark, "1e308"}}),
                 FloatingPointError);

    // a page keeps what its results showed before
    TestPage page(SupervisionFeeCalculator());
    page.SetText(role::kFeeBasis, "1000");
    page.SetText(role::kDiscipline, "1");
    page.SetText(role::kElevation, "1");
    page.SetTicked(role::kComplexityModerate, true);
    Command10Click(page);
    ComplexityOptionClick(page);
    Command2Click(page);
    page.SetText(role::kDiscipline, "1e306");
    page.SetText(role::kElevation, "1e306");
    EXPECT_THROW(Command2Click(page), FloatingPointError);
    EXPECT_EQ(page.Caption(role::kBenchmark), "30.1");
    EXPECT_EQ(page.writes(), 3);
}

TEST(Calculations, RefuseAmountsThatAreNotFinite)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    using testing::FaultOf;
    for (double bad : {inf, -inf, nan}) {
        const FloatFault fault =
            std::isnan(bad) ? FloatFault::InvalidOperation : FloatFault::Overflow;
        EXPECT_EQ(FaultOf([&] { SupervisionBasePrice(bad); }), fault) << bad;
        EXPECT_EQ(FaultOf([&] { BenchmarkPrice(bad, 1, 1, 1); }), fault) << bad;
        EXPECT_EQ(FaultOf([&] { BenchmarkPrice(100, 1, 1, bad); }), fault) << bad;
        EXPECT_EQ(FaultOf([&] { ChargedFee(bad, 0); }), fault) << bad;
        EXPECT_EQ(FaultOf([&] { ChargedFee(100, bad); }), fault) << bad;
        for (const auto& entry : kTenderTypeTexts) {
            EXPECT_EQ(FaultOf([&] { TenderAgencyFee(bad, entry.type, false); }), fault) << bad;
        }
    }
}

TEST(ComplexityCoefficient, OptionsWriteTheirCoefficientOnly)
{
    const char* shown[] = {"0.85", "1.00", "1.15"};
    const Calculator& supervision = SupervisionFeeCalculator();
    for (std::size_t i = 0; i < 3; ++i) {
        TestPage page(supervision);
        page.SetTicked(supervision.steps[1].buttons[i], true);
        ComplexityOptionClick(page);
        EXPECT_EQ(page.Caption(role::kComplexityCoefficient), shown[i]);
        EXPECT_EQ(page.writes(), 1);
    }
    // no option ticked: nothing written
    TestPage page(supervision);
    ComplexityOptionClick(page);
    EXPECT_EQ(page.writes(), 0);
}

}  // namespace
}  // namespace kelvora
