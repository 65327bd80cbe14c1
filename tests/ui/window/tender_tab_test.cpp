// The tender fee through the real window: type, pick, tick, click, read.

#include <gtest/gtest.h>

#include "calc/tender_fee_cases.h"
#include "ui/window_driver.h"

namespace kelvora::ui {
namespace {

using testing::FeeCase;
using testing::WindowTest;

class TenderTabTest : public testing::WindowTest, public ::testing::WithParamInterface<FeeCase> {
protected:
    void SetCheck(int value)
    {
        auto* box = Get<QCheckBox>(role::kDocumentService);
        if (value == testing::kGrayed) {
            box->setCheckState(Qt::PartiallyChecked);  // only a program can grey it
            return;
        }
        if (box->isChecked() != (value == testing::kChecked)) {
            Click(role::kDocumentService);
        }
        ASSERT_EQ(box->isChecked(), value == testing::kChecked);
    }
};

TEST_P(TenderTabTest, ShowsTheFeeInLabel5)
{
    const FeeCase& c = GetParam();
    ShowPage(0);
    Type(role::kTenderType, QString::fromUtf8(c.type));
    SetCheck(c.check);
    Type(role::kTenderAmount, QString::fromUtf8(c.amount));
    Click(role::kTenderCalculate);
    EXPECT_EQ(Caption(role::kTenderFee), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Bands, TenderTabTest, ::testing::ValuesIn(testing::TenderFeeCases()));
INSTANTIATE_TEST_SUITE_P(HalfCents, TenderTabTest, ::testing::ValuesIn(testing::HalfCentCases()));

TEST_F(WindowTest, UnknownTenderTypeLeavesLabel5)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    ASSERT_EQ(Caption(role::kTenderFee), "22.55");
    for (const char* type : {"工程招标 ", "工程", "服务招标书", ""}) {
        Type(role::kTenderType, QString::fromUtf8(type));
        Type(role::kTenderAmount, "100");
        Click(role::kTenderCalculate);
        EXPECT_EQ(Caption(role::kTenderFee), "22.55") << type;
    }
    // picking an entry from the list is the same as typing it
    Get<QComboBox>(role::kTenderType)->setCurrentIndex(2);
    Click(role::kTenderCalculate);
    EXPECT_EQ(Caption(role::kTenderFee), "1.50");
}

TEST_F(WindowTest, ResultLabelGrowsToTheRightFromItsLeftEdge)
{
    ShowPage(0);
    auto* label = Get<QLabel>(role::kTenderFee);
    const QPoint left = label->pos();
    Type(role::kTenderAmount, "1e15");
    Click(role::kTenderCalculate);
    EXPECT_EQ(Caption(role::kTenderFee), "100000000065.55");
    EXPECT_EQ(label->pos(), left);
    EXPECT_GT(label->width(),
              Get(role::kTenderFeeBox)->width() - (left.x() - Get(role::kTenderFeeBox)->x()));
}

}  // namespace
}  // namespace kelvora::ui
