#include "calc/tender_fee.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "calc/float_error.h"
#include "calc/number_text.h"
#include "calc/tender_fee_cases.h"
#include "calc/test_page.h"
#include "test_support.h"

namespace kelvora {
namespace {

using testing::FeeCase;
using testing::kEngineering;
using testing::kGoods;
using testing::kServices;
using testing::TestPage;

// Runs the click of Command1 on a fresh page and returns Label5.
std::string ClickCommand1(const FeeCase& c)
{
    TestPage page(TenderFeeCalculator());
    page.SetText(role::kTenderType, c.type);
    page.SetText(role::kTenderAmount, c.amount);
    page.SetChecked(role::kDocumentService, c.check == testing::kChecked);
    Command1Click(page);
    return page.Caption(role::kTenderFee);
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
        TestPage page(TenderFeeCalculator());
        page.SetText(role::kTenderType, kEngineering);
        page.SetText(role::kTenderAmount, "6000");
        Command1Click(page);
        page.SetText(role::kTenderType, type);
        page.SetText(role::kTenderAmount, "7000");
        Command1Click(page);
        EXPECT_EQ(page.Caption(role::kTenderFee), "22.55") << "type \"" << type << "\"";
        EXPECT_EQ(page.writes(), 1);
    }
}

TEST(TenderFeeClick, SecondClickWritesTheSameText)
{
    TestPage page(TenderFeeCalculator());
    page.SetText(role::kTenderType, kServices);
    page.SetText(role::kTenderAmount, "250");
    Command1Click(page);
    Command1Click(page);
    EXPECT_EQ(page.Caption(role::kTenderFee), "2.70");
    EXPECT_EQ(page.writes(), 2);
}

TEST(TenderFeeClick, OverflowingAmountWritesNothing)
{
    TestPage page(TenderFeeCalculator());
    page.SetText(role::kTenderType, kEngineering);
    page.SetText(role::kTenderAmount, "6000");
    Command1Click(page);
    page.SetText(role::kTenderAmount, "1e400");
    EXPECT_EQ(testing::FaultOf([&] { Command1Click(page); }), FloatFault::Overflow);
    EXPECT_EQ(page.Caption(role::kTenderFee), "22.55");
    EXPECT_EQ(page.writes(), 1);
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
