// The construction period tab through the real window.

#include <gtest/gtest.h>

#include <QDateEdit>

#include "calc/calendar_days_cases.h"
#include "ui/window_driver.h"

namespace kelvora::ui {
namespace {

using testing::PeriodCase;

class PeriodTabTest : public testing::WindowTest, public ::testing::WithParamInterface<PeriodCase> {
protected:
    void Pick(ControlName name, testing::Ymd d)
    {
        auto* picker = Get<QDateEdit>(name);
        picker->setDate(QDate(d.year, d.month, d.day));
        ASSERT_EQ(picker->date(), QDate(d.year, d.month, d.day)) << name;
    }
};

TEST_P(PeriodTabTest, ShowsTheDayCountInLabel16)
{
    ShowPage(2);
    Pick(role::kStartDate, GetParam().start);
    Pick(role::kCompletionDate, GetParam().completion);
    Click(role::kPeriodCalculate);
    EXPECT_EQ(Caption(role::kPeriod), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Dates, PeriodTabTest, ::testing::ValuesIn(testing::PeriodCases()));

TEST_F(PeriodTabTest, PickersStartOnOneDayAndStayInRange)
{
    ShowPage(2);
    Click(role::kPeriodCalculate);
    EXPECT_EQ(Caption(role::kPeriod), "0");
    auto* picker = Get<QDateEdit>(role::kStartDate);
    picker->setDate(QDate(1500, 1, 1));
    EXPECT_EQ(picker->date(), QDate(1601, 1, 1));
    // a new date changes only the picker until the button is pressed
    picker->setDate(QDate(2009, 2, 1));
    EXPECT_EQ(Caption(role::kPeriod), "0");
    Click(role::kPeriodCalculate);
    EXPECT_EQ(Caption(role::kPeriod), "5");
}

}  // namespace
}  // namespace kelvora::ui
