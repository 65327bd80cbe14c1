#include "calc/tender_fee.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "calc/fake_controls.h"
#include "calc/float_error.h"
#include "calc/number_text.h"
#include "calc/tender_fee_cases.h"
#include "test_support.h"

namespace kelvora {
namespace {

using testing::FakeControls;
using testing::FeeCase;
using testing::kEngineering;
using testing::kGoods;
using testing::kServices;

// Runs the click of Command1 on a fresh set of controls and returns Label5.
std::string ClickCommand1(const FeeCase& c, const std::string& before = "before")
{
    FakeControls controls;
    controls.SetText(role::kTenderType, c.type);
    controls.SetText(role::kTenderAmount, c.amount);
    controls.SetChecked(role::kDocumentService, c.check == testing::kChecked);
    controls.SetText(role::kTenderFee, before);
    Command1Click(controls);
    return controls.Text(role::kTenderFee);
}

class TenderFeeClickTest : public ::testing::TestWithParam<FeeCase> {};

TEST_P(TenderFeeClickTest, ShowsTheFee)
{
    const FeeCase& c = GetParam();
    EXPECT_EQ(ClickCommand1(c), c.shown)
        << c.type << " " << c.amount << (c.check == testing::kChecked ? " with documents" : "");
}

INSTANTIATE_TEST_SUITE_P(Bands, TenderFeeClickTest, ::testing::ValuesIn(testing::TenderFeeCases()));
INSTANTIATE_TEST_SUITE_P(HalfCents, TenderFeeClickTest,
                         ::testing::ValuesIn(testing::HalfCentCases()));

TEST(TenderFeeClick, UnknownTypeTextLeavesTheCaption)
{
    for (const char* type : {"工程招标 ", " 工程招标", "工程", "工程招标书", "", "Engineering",
                             "服务", "\xEF\xBC\xA1" /* full-width A */}) {
        FakeControls controls;
        controls.SetText(role::kTenderType, type);
        controls.SetText(role::kTenderAmount, "6000");
        controls.SetText(role::kTenderFee, "22.55");
        Command1Click(controls);
        EXPECT_EQ(controls.Text(role::kTenderFee), "22.55") << "type \"" << type << "\"";
        EXPECT_EQ(controls.writes(), 0);
    }
}

TEST(TenderFeeClick, SecondClickWritesTheSameText)
{
    FakeControls controls;
    controls.SetText(role::kTenderType, kServices);
    controls.SetText(role::kTenderAmount, "250");
    Command1Click(controls);
    Command1Click(controls);
    EXPECT_EQ(controls.Text(role::kTenderFee), "2.70");
    EXPECT_EQ(controls.writes(), 2);
}

TEST(TenderFeeClick, OverflowingAmountWritesNothing)
{
    FakeControls controls;
    controls.SetText(role::kTenderType, kEngineering);
    controls.SetText(role::kTenderAmount, "1e400");
    controls.SetText(role::kTenderFee, "22.55");
    EXPECT_EQ(testing::FaultOf([&] { Command1Click(controls); }), FloatFault::Overflow);
    EXPECT_EQ(controls.Text(role::kTenderFee), "22.55");
    EXPECT_EQ(controls.writes(), 0);
}

TEST(TenderAgencyFee, FeeAtEachLowerBoundIsTheSumOfTheBandsBelow)
{
    // Bases per band, from the fee standard's own table.
    const double bases[8][3] = {{0, 0, 0},
                                {1, 1.5, 1.5},
                                {3.8, 4.7, 5.9},
                                {6.55, 6.95, 9.9},
                                {20.55, 16.95, 29.9},
                                {30.55, 21.95, 42.4},
                                {75.55, 66.95, 87.4},
                                {165.55, 156.95, 177.4}};
    for (std::size_t k = 0; k < kTenderFeeBands.size(); ++k) {
        for (const auto& entry : kTenderTypeTexts) {
            const auto t = static_cast<std::size_t>(entry.type);
            EXPECT_EQ(
                FormatTwoDecimals(TenderAgencyFee(kTenderFeeBands[k].lower, entry.type, false)),
                FormatTwoDecimals(bases[k][t]))
                << "band " << k + 1 << " " << entry.text;
        }
    }
}

TEST(TenderAgencyFee, BandsCoverEveryAmountOnceWithBoundsInTheBandBelow)
{
    EXPECT_EQ(TenderFeeBandIndex(-1e300), 0u);
    EXPECT_EQ(TenderFeeBandIndex(100), 0u);
    EXPECT_EQ(TenderFeeBandIndex(100.0000001), 1u);
    EXPECT_EQ(TenderFeeBandIndex(10000), 4u);
    EXPECT_EQ(TenderFeeBandIndex(100000), 5u);
    EXPECT_EQ(TenderFeeBandIndex(999999.999), 6u);
    EXPECT_EQ(TenderFeeBandIndex(1000000), 7u);
    EXPECT_EQ(TenderFeeBandIndex(1e300), 7u);
}

TEST(TenderAgencyFee, FeeNeverFallsAsTheAmountGrows)
{
    std::mt19937_64 rng(2009);
    std::uniform_real_distribution<double> amount(-1000, 2500000);
    for (const auto& entry : kTenderTypeTexts) {
        for (bool doc : {false, true}) {
            for (int i = 0; i < 5000; ++i) {
                const double a = amount(rng);
                const double b = a + std::uniform_real_distribution<double>(0, 5000)(rng);
                // allow the last bits of rounding at a band bound
                EXPECT_LE(TenderAgencyFee(a, entry.type, doc),
                          TenderAgencyFee(b, entry.type, doc) + 1e-9)
                    << entry.text << " " << a << " .. " << b;
            }
        }
    }
}

}  // namespace
}  // namespace kelvora
