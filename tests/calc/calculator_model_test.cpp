// A page's model: a result is current exactly while the values its step read
// are those it was computed from (and the results it read are current), the
// notes of its inputs travel with it, and a step that fails or gives nothing
// leaves what was written.

#include "calc/calculator_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calc/float_error.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"
#include "calc/test_page.h"

namespace kelvora {
namespace {

using testing::TestPage;

// The page's states as letters, step by step: C current, S stale, M missing,
// and for a stale one the step to press first ("S0": press step 0).
std::string States(const CalculatorModel& page)
{
    std::string out;
    for (const StepState& state : page.States()) {
        out += out.empty() ? "" : " ";
        switch (state.state) {
            case ResultState::Current:
                out += "C";
                break;
            case ResultState::Missing:
                out += "M";
                break;
            case ResultState::Stale:
                out += 'S';
                out += std::to_string(StepIndex(page.calculator(), *state.press));
                break;
        }
    }
    return out;
}

// The supervision page with every step pressed.
void PressAll(TestPage& page)
{
    page.SetText(role::kFeeBasis, "35000");
    page.SetText(role::kDiscipline, "1.2");
    page.SetTicked(role::kComplexityModerate, true);
    page.SetText(role::kElevation, "1");
    page.SetText(role::kRange, "-10");
    for (auto* click : {&Command10Click, &ComplexityOptionClick, &Command2Click, &Command3Click}) {
        click(page);
    }
}

TEST(CalculatorModel, CurrentExactlyWhileTheValuesReadStand)
{
    const struct {
        const char* what;
        std::function<void(TestPage&)> change;
        const char* states;  // base price, complexity, benchmark, charged fee
    } cases[] = {
        {"nothing", [](TestPage&) {}, "C C C C"},
        {"the basis", [](TestPage& p) { p.SetText(role::kFeeBasis, "36000"); }, "S0 C S0 S0"},
        {"the basis and back",
         [](TestPage& p) {
             p.SetText(role::kFeeBasis, "36000");
             p.SetText(role::kFeeBasis, "35000");
         },
         "C C C C"},
        // the same number written otherwise: the figure it gives is the same
        {"the same number", [](TestPage& p) { p.SetText(role::kDiscipline, "1.20"); }, "C C C C"},
        {"a coefficient", [](TestPage& p) { p.SetText(role::kDiscipline, "1.1"); }, "C C S2 S2"},
        {"the option",
         [](TestPage& p) {
             p.SetTicked(role::kComplexityModerate, false);
             p.SetTicked(role::kComplexityHigh, true);
         },
         "C S1 S1 S1"},
        {"the range", [](TestPage& p) { p.SetText(role::kRange, "5"); }, "C C C S3"},
        // a grey caption still flows on: pressing the benchmark keeps it grey
        {"the basis, then the benchmark",
         [](TestPage& p) {
             p.SetText(role::kFeeBasis, "36000");
             Command2Click(p);
         },
         "S0 C S0 S0"},
        {"the basis, then every step again",
         [](TestPage& p) {
             p.SetText(role::kFeeBasis, "36000");
             for (auto* click : {&Command10Click, &Command2Click, &Command3Click}) {
                 click(p);
             }
         },
         "C C C C"},
    };
    for (const auto& c : cases) {
        TestPage page(SupervisionFeeCalculator());
        EXPECT_EQ(States(page), "M M M M");
        PressAll(page);
        c.change(page);
        EXPECT_EQ(States(page), c.states) << c.what;
    }
}

// The agency's terms are a value the tender figures rest on.
TEST(CalculatorModel, TheTermsAreReadLikeAnyInput)
{
    TestPage page(TenderFeeCalculator());
    page.SetText(role::kTenderType, "工程招标");
    page.SetText(role::kTenderAmount, "6000");
    Command1Click(page);
    EXPECT_EQ(States(page), "C M");  // the fee to charge does not apply
    FeeTerms share = *ReadFeeTerms("schedule=2002;kind=share;percent=80").terms;
    page.SetTerms(share);
    EXPECT_EQ(States(page), "S0 M");
    Command1Click(page);
    EXPECT_EQ(States(page), "C C");
    EXPECT_EQ(page.Caption(role::kTenderCharge), "18.04");
    share.percent = 70;
    page.SetTerms(share);
    EXPECT_EQ(States(page), "S0 S0");
}

// What a figure rests on goes with it: its inputs' notes and those of the
// results it read; a step that fails or gives nothing writes nothing.
TEST(CalculatorModel, NotesTravelAndFailuresWriteNothing)
{
    TestPage page(SupervisionFeeCalculator());
    PressAll(page);
    page.SetText(role::kFeeBasis, "35,000");
    Command10Click(page);
    Command2Click(page);
    const std::vector<std::string> read{"计费额：按 35 计算，“,000”未被读取"};
    EXPECT_EQ(page.Shown(role::kBasePrice)->notes, read);
    EXPECT_EQ(page.Shown(role::kBenchmark)->notes, read);
    const int writes = page.writes();
    page.SetTicked(role::kComplexityModerate, false);
    ComplexityOptionClick(page);  // no option ticked: nothing
    page.SetText(role::kDiscipline, "1e308");
    page.SetText(role::kElevation, "1e308");
    EXPECT_THROW(Command2Click(page), FloatingPointError);
    EXPECT_EQ(page.writes(), writes);
    EXPECT_EQ(page.Caption(role::kComplexityCoefficient), "1.00");
}

// A coefficient chosen from the standard's list stands for its row while the
// box holds its value; the row left to agreement, for any value typed after it.
TEST(CalculatorModel, AListedRowStandsWhileItsValueDoes)
{
    const CoefficientRow& listed = kDisciplineCoefficients.front();
    const CoefficientRow agreed{"", "其他工程（协商确定）", ""};
    const struct {
        const CoefficientRow* row;
        const char* text;
        bool stands;
    } cases[] = {
        {&listed, "0.9", true},  {&listed, " 0.9 ", true}, {&listed, "0.95", false},
        {&agreed, "1.05", true}, {&agreed, "", false},
    };
    for (const auto& c : cases) {
        TestPage page(SupervisionFeeCalculator());
        page.SetListedRow(role::kDiscipline, c.row);
        page.SetText(role::kDiscipline, c.text);
        EXPECT_EQ(page.ListedRow(role::kDiscipline) != nullptr, c.stands) << c.text;
    }
}

}  // namespace
}  // namespace kelvora
