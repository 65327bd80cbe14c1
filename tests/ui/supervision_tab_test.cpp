// The supervision fee tab through the real window.

#include <gtest/gtest.h>

#include <QRadioButton>

#include "calc/supervision_cases.h"
#include "window_driver.h"

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
    void RunChain(const char* amount, const char* discipline, const char* option,
                  const char* elevation, const char* range)
    {
        Type("Text2", amount);
        Click("Command10");
        Type("Text4", discipline);
        if (option != nullptr) {
            Click(option);
        }
        Type("Text3", elevation);
        Click("Command2");
        Type("Text5", range);
        Click("Command3");
    }
};

class BasePriceTabTest : public SupervisionTabTest,
                         public ::testing::WithParamInterface<BasePriceCase> {};

TEST_P(BasePriceTabTest, ShowsTheBasePriceInLabel15)
{
    Type("Text2", GetParam().amount);
    Click("Command10");
    EXPECT_EQ(Caption("Label15"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Amounts, BasePriceTabTest, ::testing::ValuesIn(testing::BasePriceCases()));

TEST_F(SupervisionTabTest, ChainFromBasePriceToChargedFee)
{
    RunChain("500", "1", "Option3", "1", "10");
    EXPECT_EQ(Caption("Label15"), "16.5");
    EXPECT_EQ(Caption("Label10"), "1.15");
    EXPECT_EQ(Caption("Label11"), "18.975");
    EXPECT_EQ(Caption("Label14"), "20.8725");

    RunChain("500", "1", "Option1", "1", "-20");
    EXPECT_EQ(Caption("Label11"), "14.025");
    EXPECT_EQ(Caption("Label14"), "11.22");

    RunChain("1000", "1", "Option2", "1", "5");
    EXPECT_EQ(Caption("Label10"), "1.00");
    EXPECT_EQ(Caption("Label11"), "30.1");
    EXPECT_EQ(Caption("Label14"), "31.605");
}

TEST_F(SupervisionTabTest, EmptyStepsReadAsZero)
{
    // no option chosen yet: Label10 is empty
    RunChain("1000", "1", nullptr, "1", "5");
    EXPECT_EQ(Caption("Label10"), "");
    EXPECT_EQ(Caption("Label11"), "0");
    EXPECT_EQ(Caption("Label14"), "0");
}

TEST_F(SupervisionTabTest, ChargedFeeBeforeAnyBenchmarkIsZero)
{
    Type("Text5", "10");
    Click("Command3");
    EXPECT_EQ(Caption("Label14"), "0");
}

TEST_F(SupervisionTabTest, TextsEndAtTheFirstCharacterThatIsNotANumber)
{
    RunChain("1000", "1,2", "Option2", "1", "5%");
    EXPECT_EQ(Caption("Label11"), "30.1");    // 1,2 reads as 1
    EXPECT_EQ(Caption("Label14"), "31.605");  // 5% reads as 5
}

TEST_F(SupervisionTabTest, LaterStepsStayAsTheyAreUntilTheirButtons)
{
    RunChain("500", "1", "Option3", "1", "10");
    // another option changes the coefficient only
    Click("Option1");
    EXPECT_EQ(Caption("Label10"), "0.85");
    EXPECT_EQ(Caption("Label11"), "18.975");
    EXPECT_EQ(Caption("Label14"), "20.8725");
    // a new base price leaves the benchmark and the fee stale
    Type("Text2", "1000");
    Click("Command10");
    EXPECT_EQ(Caption("Label15"), "30.1");
    EXPECT_EQ(Caption("Label11"), "18.975");
    EXPECT_EQ(Caption("Label14"), "20.8725");
    // until their buttons are pressed
    Click("Command2");
    EXPECT_EQ(Caption("Label11"), "25.585");
    EXPECT_EQ(Caption("Label14"), "20.8725");
}

TEST_F(SupervisionTabTest, FailuresAreReportedAndLeaveTheLabel)
{
    RunChain("500", "1", "Option3", "1", "10");

    struct {
        const char* amount;
        const char* error;
    } const amounts[] = {{"-1e19", "除数为零"}, {"-1e308", "溢出"}};
    for (const auto& c : amounts) {
        Type("Text2", c.amount);
        const auto report = WithReport([&] { Click("Command10"); });
        ASSERT_TRUE(report.has_value()) << c.amount;
        EXPECT_EQ(report->title, "Kelvora");
        EXPECT_TRUE(report->text.contains(QString::fromUtf8(c.error))) << c.amount;
        EXPECT_EQ(Caption("Label15"), "16.5");
    }

    Type("Text4", "1e300");
    Type("Text3", "1e300");
    const auto report = WithReport([&] { Click("Command2"); });
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->text.contains("溢出"));
    EXPECT_EQ(Caption("Label11"), "18.975");

    // the window goes on working
    EXPECT_TRUE(window().isVisible());
    Type("Text4", "1");
    Type("Text3", "1");
    EXPECT_FALSE(WithReport([&] { Click("Command2"); }).has_value());
    EXPECT_EQ(Caption("Label11"), "18.975");
}

}  // namespace
}  // namespace kelvora::ui
