// The tender fee through the real window: type, pick, tick, click, read.

#include <gtest/gtest.h>

#include "calc/tender_fee_cases.h"
#include "window_driver.h"

namespace kelvora::ui {
namespace {

using testing::FeeCase;
using testing::WindowTest;

class TenderTabTest : public testing::WindowTest, public ::testing::WithParamInterface<FeeCase> {
protected:
    void SetCheck(int value)
    {
        auto* box = Get<QCheckBox>("Check1");
        if (value == kGrayed) {
            box->setCheckState(Qt::PartiallyChecked);  // only a program can grey it
            return;
        }
        if (box->isChecked() != (value == kChecked)) {
            QTest::mouseClick(box, Qt::LeftButton);
        }
        ASSERT_EQ(box->isChecked(), value == kChecked);
    }
};

TEST_P(TenderTabTest, ShowsTheFeeInLabel5)
{
    const FeeCase& c = GetParam();
    ShowPage(0);
    Type("Combo1", QString::fromUtf8(c.type));
    SetCheck(c.check);
    Type("Text1", QString::fromUtf8(c.amount));
    Click("Command1");
    EXPECT_EQ(Caption("Label5"), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Bands, TenderTabTest, ::testing::ValuesIn(testing::TenderFeeCases()));
INSTANTIATE_TEST_SUITE_P(HalfCents, TenderTabTest, ::testing::ValuesIn(testing::HalfCentCases()));

TEST_F(WindowTest, UnknownTenderTypeLeavesLabel5)
{
    ShowPage(0);
    Type("Text1", "6000");
    Click("Command1");
    ASSERT_EQ(Caption("Label5"), "22.55");
    for (const char* type : {"工程招标 ", "工程", "服务招标书", ""}) {
        Type("Combo1", QString::fromUtf8(type));
        Type("Text1", "100");
        Click("Command1");
        EXPECT_EQ(Caption("Label5"), "22.55") << type;
    }
    // picking an entry from the list is the same as typing it
    Get<QComboBox>("Combo1")->setCurrentIndex(2);
    Click("Command1");
    EXPECT_EQ(Caption("Label5"), "1.50");
}

TEST_F(WindowTest, ResultLabelGrowsToTheRightFromItsLeftEdge)
{
    ShowPage(0);
    auto* label = Get<QLabel>("Label5");
    const QPoint left = label->pos();
    Type("Text1", "1e15");
    Click("Command1");
    EXPECT_EQ(Caption("Label5"), "100000000065.55");
    EXPECT_EQ(label->pos(), left);
    EXPECT_GT(label->width(), Get("Shape1")->width() - (left.x() - Get("Shape1")->x()));
}

}  // namespace
}  // namespace kelvora::ui
