#include "calc/tender_fee.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "calc/fake_controls.h"
#include "calc/float_error.h"
#include "calc/number_text.h"

namespace kelvora {
namespace {

using testing::FakeControls;

constexpr const char* kEngineering = "工程招标";
constexpr const char* kServices = "服务招标";
constexpr const char* kGoods = "货物招标";

struct FeeCase {
    const char* type;
    const char* amount;
    int check;
    const char* shown;
};

void PrintTo(const FeeCase& c, std::ostream* os) {
    *os << c.type << " \"" << c.amount << "\" check " << c.check << " -> " << c.shown;
}

// Runs the click of Command1 on a fresh set of controls and returns Label5.
std::string ClickCommand1(const FeeCase& c, const std::string& before = "before") {
    FakeControls controls;
    controls.SetText("Combo1", c.type);
    controls.SetText("Text1", c.amount);
    controls.SetValue("Check1", c.check);
    controls.SetText("Label5", before);
    Command1Click(controls);
    return controls.Text("Label5");
}

class TenderFeeClickTest : public ::testing::TestWithParam<FeeCase> {};

TEST_P(TenderFeeClickTest, ShowsTheFee) {
    const FeeCase& c = GetParam();
    EXPECT_EQ(ClickCommand1(c), c.shown)
        << c.type << " " << c.amount << (c.check == kChecked ? " with documents" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Bands, TenderFeeClickTest,
    ::testing::Values(
        FeeCase{kEngineering, "", 0, "0.00"}, FeeCase{kEngineering, "50", 0, "0.50"},
        FeeCase{kEngineering, "100", 0, "1.00"}, FeeCase{kEngineering, "100.01", 0, "1.00"},
        FeeCase{kEngineering, "500", 0, "3.80"}, FeeCase{kEngineering, "1000", 0, "6.55"},
        FeeCase{kEngineering, "6000", 0, "22.55"}, FeeCase{kEngineering, "10000", 0, "30.55"},
        FeeCase{kEngineering, "50000", 0, "50.55"}, FeeCase{kEngineering, "100000", 0, "75.55"},
        FeeCase{kEngineering, "200000", 0, "85.55"}, FeeCase{kEngineering, "999999", 0, "165.55"},
        FeeCase{kEngineering, "1000000", 0, "165.55"},
        FeeCase{kEngineering, "2000000", 0, "265.55"}, FeeCase{kEngineering, "-50", 0, "-0.50"},
        FeeCase{kEngineering, "100", 1, "1.30"}, FeeCase{kEngineering, "500", 1, "4.94"},
        FeeCase{kEngineering, "999999", 1, "215.21"}, FeeCase{kServices, "100", 0, "1.50"},
        FeeCase{kServices, "250", 0, "2.70"}, FeeCase{kServices, "1000", 0, "6.95"},
        FeeCase{kServices, "10000", 0, "21.95"}, FeeCase{kServices, "100000", 0, "66.95"},
        FeeCase{kServices, "500000", 0, "106.95"}, FeeCase{kServices, "1000000", 0, "156.95"},
        FeeCase{kServices, "500", 1, "6.11"}, FeeCase{kGoods, "500", 0, "5.90"},
        FeeCase{kGoods, "5000", 0, "29.90"}, FeeCase{kGoods, "10000", 0, "42.40"},
        FeeCase{kGoods, "100000", 0, "87.40"}, FeeCase{kGoods, "1000000", 0, "177.40"},
        FeeCase{kGoods, "2000000", 0, "277.40"}, FeeCase{kGoods, "1000", 1, "12.87"},
        FeeCase{kGoods, "100000", 1, "113.62"},
        // a greyed check box is not a ticked one
        FeeCase{kEngineering, "500", kGrayed, "3.80"}, FeeCase{kGoods, "1000", kGrayed, "9.90"},
        // texts as typed
        FeeCase{kEngineering, "abc", 0, "0.00"}, FeeCase{kEngineering, "6 000", 0, "22.55"},
        FeeCase{kEngineering, "\xEF\xBC\x96\xEF\xBC\x90\xEF\xBC\x90\xEF\xBC\x90", 0, "22.55"}));

INSTANTIATE_TEST_SUITE_P(
    HalfCents, TenderFeeClickTest,
    ::testing::Values(
        // fees whose doubles sit just below a half cent show the rounded-up cent
        FeeCase{kEngineering, "105", 0, "1.04"}, FeeCase{kEngineering, "115", 0, "1.11"},
        FeeCase{kEngineering, "600", 1, "5.66"}, FeeCase{kEngineering, "800", 1, "7.09"}));

TEST(TenderFeeClick, UnknownTypeTextLeavesTheCaption) {
    for (const char* type : {"工程招标 ", " 工程招标", "工程", "工程招标书", "", "Engineering",
                             "服务", "\xEF\xBC\xA1" /* full-width A */}) {
        FakeControls controls;
        controls.SetText("Combo1", type);
        controls.SetText("Text1", "6000");
        controls.SetText("Label5", "22.55");
        Command1Click(controls);
        EXPECT_EQ(controls.Text("Label5"), "22.55") << "type \"" << type << "\"";
        EXPECT_EQ(controls.writes(), 0);
    }
}

TEST(TenderFeeClick, SecondClickWritesTheSameText) {
    FakeControls controls;
    controls.SetText("Combo1", kServices);
    controls.SetText("Text1", "250");
    Command1Click(controls);
    Command1Click(controls);
    EXPECT_EQ(controls.Text("Label5"), "2.70");
    EXPECT_EQ(controls.writes(), 2);
}

TEST(TenderFeeClick, OverflowingAmountWritesNothing) {
    FakeControls controls;
    controls.SetText("Combo1", kEngineering);
    controls.SetText("Text1", "1e400");
    controls.SetText("Label5", "22.55");
    try {
        Command1Click(controls);
        ADD_FAILURE() << "no error for 1e400";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.fault(), FloatFault::Overflow);
    }
    EXPECT_EQ(controls.Text("Label5"), "22.55");
    EXPECT_EQ(controls.writes(), 0);
}

TEST(TenderAgencyFee, FeeAtEachLowerBoundIsTheSumOfTheBandsBelow) {
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

TEST(TenderAgencyFee, BandsCoverEveryAmountOnceWithBoundsInTheBandBelow) {
    EXPECT_EQ(TenderFeeBandIndex(-1e300), 0u);
    EXPECT_EQ(TenderFeeBandIndex(100), 0u);
    EXPECT_EQ(TenderFeeBandIndex(100.0000001), 1u);
    EXPECT_EQ(TenderFeeBandIndex(10000), 4u);
    EXPECT_EQ(TenderFeeBandIndex(100000), 5u);
    EXPECT_EQ(TenderFeeBandIndex(999999.999), 6u);
    EXPECT_EQ(TenderFeeBandIndex(1000000), 7u);
    EXPECT_EQ(TenderFeeBandIndex(1e300), 7u);
}

TEST(TenderAgencyFee, FeeNeverFallsAsTheAmountGrows) {
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
