// The supervision fee tab through the real window.

#include <gtest/gtest.h>

#include <QRadioButton>

#include "calc/supervision_cases.h"
#include "ui/window_driver.h"

namespace kelvora::ui {
namespace {

using testing::BasePriceCase;
using testing::WindowTest;

class SupervisionTabTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ShowPage(1);
    }

    // Fills the inputs of the three steps and presses the buttons in order.
    void RunChain(const char* amount, const char* discipline, std::optional<ControlName> option,
                  const char* elevation, const char* range)
    {
        Type(role::kFeeBasis, amount);
        Click(role::kBasePriceCalculate);
        Type(role::kDiscipline, discipline);
        if (option) {
            Click(*option);
        }
        Type(role::kElevation, elevation);
        Click(role::kBenchmarkCalculate);
        Type(role::kRange, range);
        Click(role::kChargedFeeCalculate);
    }
};

class BasePriceTabTest : public SupervisionTabTest,
                         public ::testing::WithParamInterface<BasePriceCase> {};

TEST_P(BasePriceTabTest, ShowsTheBasePriceInLabel15)
{
    Type(role::kFeeBasis, GetParam().amount);
    Click(role::kBasePriceCalculate);
    EXPECT_EQ(Caption(role::kBasePrice), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Amounts, BasePriceTabTest, ::testing::ValuesIn(testing::BasePriceCases()));

TEST_F(SupervisionTabTest, ChainFromBasePriceToChargedFee)
{
    RunChain("500", "1", role::kComplexityHigh, "1", "10");
    EXPECT_EQ(Caption(role::kBasePrice), "16.5");
    EXPECT_EQ(Caption(role::kComplexityCoefficient), "1.15");
    EXPECT_EQ(Caption(role::kBenchmark), "18.975");
    EXPECT_EQ(Caption(role::kChargedFee), "20.8725");

    RunChain("500", "1", role::kComplexityGeneral, "1", "-20");
    EXPECT_EQ(Caption(role::kBenchmark), "14.025");
    EXPECT_EQ(Caption(role::kChargedFee), "11.22");

    RunChain("1000", "1", role::kComplexityModerate, "1", "5");
    EXPECT_EQ(Caption(role::kComplexityCoefficient), "1.00");
    EXPECT_EQ(Caption(role::kBenchmark), "30.1");
    EXPECT_EQ(Caption(role::kChargedFee), "31.605");
}

TEST_F(SupervisionTabTest, EmptyStepsReadAsZero)
{
    // no option chosen yet: Label10 is empty
    RunChain("1000", "1", std::nullopt, "1", "5");
    EXPECT_EQ(Caption(role::kComplexityCoefficient), "");
    EXPECT_EQ(Caption(role::kBenchmark), "0");
    EXPECT_EQ(Caption(role::kChargedFee), "0");
}

TEST_F(SupervisionTabTest, ChargedFeeBeforeAnyBenchmarkIsZero)
{
    Type(role::kRange, "10");
    Click(role::kChargedFeeCalculate);
    EXPECT_EQ(Caption(role::kChargedFee), "0");
}

TEST_F(SupervisionTabTest, TextsEndAtTheFirstCharacterThatIsNotANumber)
{
    RunChain("1000", "1,2", role::kComplexityModerate, "1", "5%");
    EXPECT_EQ(Caption(role::kBenchmark), "30.1");     // 1,2 reads as 1
    EXPECT_EQ(Caption(role::kChargedFee), "31.605");  // 5% reads as 5
}

TEST_F(SupervisionTabTest, LaterStepsStayAsTheyAreUntilTheirButtons)
{
    RunChain("500", "1", role::kComplexityHigh, "1", "10");
    // another option changes the coefficient only
    Click(role::kComplexityGeneral);
    EXPECT_EQ(Caption(role::kComplexityCoefficient), "0.85");
    EXPECT_EQ(Caption(role::kBenchmark), "18.975");
    EXPECT_EQ(Caption(role::kChargedFee), "20.8725");
    // a new base price leaves the benchmark and the fee stale
    Type(role::kFeeBasis, "1000");
    Click(role::kBasePriceCalculate);
    EXPECT_EQ(Caption(role::kBasePrice), "30.1");
    EXPECT_EQ(Caption(role::kBenchmark), "18.975");
    EXPECT_EQ(Caption(role::kChargedFee), "20.8725");
    // until their buttons are pressed
    Click(role::kBenchmarkCalculate);
    EXPECT_EQ(Caption(role::kBenchmark), "25.585");
    EXPECT_EQ(Caption(role::kChargedFee), "20.8725");
}

TEST_F(SupervisionTabTest, FailuresAreReportedAndLeaveTheLabel)
{
    RunChain("500", "1", role::kComplexityHigh, "1", "10");

    struct {
        const char* amount;
        const char* error;
    } const amounts[] = {{"-1e19", "除数为零"}, {"-1e308", "溢出"}};
    for (const auto& c : amounts) {
        Type(role::kFeeBasis, c.amount);
        const auto report = WithReport([&] { Click(role::kBasePriceCalculate); });
        ASSERT_TRUE(report.has_value()) << c.amount;
        EXPECT_EQ(report->title, "Kelvora");
        EXPECT_TRUE(report->text.contains(QString::fromUtf8(c.error))) << c.amount;
        EXPECT_EQ(Caption(role::kBasePrice), "16.5");
    }

    Type(role::kDiscipline, "1e300");
    Type(role::kElevation, "1e300");
    const auto report = WithReport([&] { Click(role::kBenchmarkCalculate); });
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->text.contains("溢出"));
    EXPECT_EQ(Caption(role::kBenchmark), "18.975");

    // the window goes on working
    EXPECT_TRUE(window().isVisible());
    Type(role::kDiscipline, "1");
    Type(role::kElevation, "1");
    EXPECT_FALSE(WithReport([&] { Click(role::kBenchmarkCalculate); }).has_value());
    EXPECT_EQ(Caption(role::kBenchmark), "18.975");
}

}  // namespace
}  // namespace kelvora::ui
