// The working written beside each result: its lines in the worked examples'
// notation, and its final figure always equal to the caption.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "calc/calendar_days.h"
#include "calc/float_error.h"
#include "calc/number_text.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"
#include "calc/test_page.h"

namespace kelvora {
namespace {

using testing::TestPage;
using Lines = std::vector<std::string>;

Lines Split(const std::string& text)
{
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The last number written in a text.
std::string LastFigure(const std::string& text)
{
    static const std::regex number(R"(-?[0-9]+(\.[0-9]+)?(E[+-][0-9]+)?)");
    std::string last;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it) {
        last = it->str();
    }
    return last;
}

// A money result's working without its closing 小写 and 大写 lines, which
// the tests of yuan_amount cover; checks that both are there.
Lines WithoutYuanLines(Lines lines)
{
    EXPECT_GE(lines.size(), 3u);
    if (lines.size() >= 3) {
        EXPECT_EQ(lines[lines.size() - 2].rfind("小写：", 0), 0u) << lines[lines.size() - 2];
        EXPECT_EQ(lines.back().rfind("大写：人民币", 0), 0u) << lines.back();
        lines.resize(lines.size() - 2);
    }
    return lines;
}

Lines TenderWorking(const char* type, const char* amount, bool doc, std::string* caption = nullptr)
{
    TestPage controls(TenderFeeCalculator());
    controls.SetText(role::kTenderType, type);
    controls.SetText(role::kTenderAmount, amount);
    controls.SetChecked(role::kDocumentService, doc);
    Command1Click(controls);
    if (caption != nullptr) {
        *caption = controls.Caption(role::kTenderFee);
    }
    return WithoutYuanLines(Split(controls.Working(role::kTenderFee)));
}

TEST(TenderFeeWorking, ShowsOneLinePerBandThenTheTotal)
{
    EXPECT_EQ(TenderWorking("工程招标", "6000", false),
              (Lines{"100×1%=1", "(500−100)×0.7%=2.8", "(1000−500)×0.55%=2.75",
                     "(5000−1000)×0.35%=14", "(6000−5000)×0.2%=2", "合计 22.55 万元"}));
    // the separate document service as its own part, 30 % of the standard
    EXPECT_EQ(TenderWorking("工程招标", "6000", true),
              (Lines{"100×1%=1", "(500−100)×0.7%=2.8", "(1000−500)×0.55%=2.75",
                     "(5000−1000)×0.35%=14", "(6000−5000)×0.2%=2", "合计 22.55 万元",
                     "单独提供编制招标文件服务费（按标准的 30%）：22.55×30%=6.765 万元",
                     "收费金额：22.55×1.3=29.315 万元", "按两位小数显示为 29.32 万元"}));
    EXPECT_EQ(TenderWorking("工程招标", "50", false), (Lines{"50×1%=0.5 万元"}));
    EXPECT_EQ(TenderWorking("工程招标", "100", true),
              (Lines{"100×1%=1 万元", "单独提供编制招标文件服务费（按标准的 30%）：1×30%=0.3 万元",
                     "收费金额：1×1.3=1.3 万元"}));
    EXPECT_EQ(TenderWorking("服务招标", "250", false),
              (Lines{"100×1.5%=1.5", "(250−100)×0.8%=1.2", "合计 2.7 万元"}));
    EXPECT_EQ(TenderWorking("货物招标", "2000000", false).at(6), "(1000000−100000)×0.01%=90");
    EXPECT_EQ(TenderWorking("货物招标", "2000000", false).at(7), "(2000000−1000000)×0.01%=100");
    // the total with the digits it has, then the caption it rounds to
    EXPECT_EQ(TenderWorking("工程招标", "105", false),
              (Lines{"100×1%=1", "(105−100)×0.7%=0.035", "合计 1.035 万元",
                     "按两位小数显示为 1.04 万元"}));
}

TEST(TenderFeeWorking, FinalFigureIsTheCaptionForEveryAmountAndType)
{
    std::mt19937_64 rng(22);
    std::uniform_int_distribution<int> magnitude(0, 6);
    std::uniform_real_distribution<double> unit(0, 10);
    for (const auto& entry : kTenderTypeTexts) {
        for (int i = 0; i < 2000; ++i) {
            const double amount =
                unit(rng) * std::pow(10.0, magnitude(rng)) - (i % 50 == 0 ? 80 : 0);
            const bool doc = i % 3 == 0;
            const std::string text = FormatGeneral(amount);
            std::string caption;
            const Lines lines =
                TenderWorking(std::string(entry.text).c_str(), text.c_str(), doc, &caption);
            ASSERT_EQ(ReadNumber(LastFigure(lines.back())), ReadNumber(caption)) << text;

            std::size_t bandLines = 0;
            for (const std::string& line : lines) {
                const bool band =
                    line.find("%=") != std::string::npos || line.find("%≈") != std::string::npos;
                bandLines += band && line.rfind("单独", 0) != 0 ? 1 : 0;
            }
            EXPECT_EQ(bandLines, TenderFeeBandIndex(ReadNumber(text)) + 1) << text;
        }
    }
}

Lines BasePriceLines(const char* amount, std::string* caption = nullptr)
{
    TestPage controls(SupervisionFeeCalculator());
    controls.SetText(role::kFeeBasis, amount);
    Command10Click(controls);
    if (caption != nullptr) {
        *caption = controls.Caption(role::kBasePrice);
    }
    return WithoutYuanLines(Split(controls.Working(role::kBasePrice)));
}

TEST(BasePriceWorking, NamesThePointTheSegmentOrTheRate)
{
    EXPECT_EQ(BasePriceLines("8000"), (Lines{"计费额 8000 万元为基价表中的点，收费基价 181 万元"}));
    EXPECT_EQ(BasePriceLines("35000"),
              (Lines{"计费额 35000 万元在 20000～40000 万元之间，直线插入：",
                     "393.4 + (708.2 − 393.4) ÷ (40000 − 20000) × (35000 − 20000) = 629.5"}));
    EXPECT_EQ(BasePriceLines("250"),
              (Lines{"计费额 250 万元低于基价表，按首段直线延伸：",
                     "16.5 + (30.1 − 16.5) ÷ (1000 − 500) × (250 − 500) = 9.7"}));
    EXPECT_EQ(BasePriceLines("1500000"),
              (Lines{"计费额 1500000 万元高于基价表（计费额 1000000 万元以上的，收费基价按计费额的 "
                     "1.039% 计算）：",
                     "1500000 × 1.039% = 15585"}));
    // a point of the line that is no decimal of 15 digits is written after "≈"
    EXPECT_EQ(BasePriceLines("6000").back(),
              "120.8 + (181 − 120.8) ÷ (8000 − 5000) × (6000 − 5000) ≈ 140.866666666667");
}

TEST(BasePriceWorking, FinalFigureIsTheCaptionAcrossTheTable)
{
    std::mt19937_64 rng(16);
    std::uniform_real_distribution<double> amount(-1000, 1200000);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = FormatGeneral(i % 7 == 0 ? std::round(amount(rng)) : amount(rng));
        std::string caption;
        const Lines lines = BasePriceLines(text.c_str(), &caption);
        // the table-point line ends in 万元; the others end in the figure
        ASSERT_EQ(LastFigure(lines.back()), caption) << text;
    }
    for (const BasePricePoint& point : kBasePriceTable) {
        std::string caption;
        const Lines lines = BasePriceLines(FormatGeneral(point.amount).c_str(), &caption);
        EXPECT_EQ(LastFigure(lines.back()), caption);
    }
}

TEST(SupervisionWorking, StepsShowTheNumbersAsRead)
{
    TestPage controls(SupervisionFeeCalculator());
    controls.SetText(role::kFeeBasis, "500");  // 16.5
    controls.SetText(role::kDiscipline, "1");
    controls.SetText(role::kElevation, "1");
    controls.SetText(role::kRange, "-20");
    Command10Click(controls);
    controls.SetTicked(role::kComplexityGeneral, true);
    ComplexityOptionClick(controls);
    EXPECT_EQ(Split(controls.Working(role::kComplexityCoefficient)),
              (Lines{"工程复杂程度：一般", "调整系数 0.85"}));
    Command2Click(controls);
    EXPECT_EQ(Split(controls.Working(role::kBenchmark)),
              (Lines{"基价 × 专业 × 复杂程度 × 高程", "= 16.5 × 1 × 0.85 × 1", "= 14.025",
                     "小写：¥140,250.00", "大写：人民币壹拾肆万零贰佰伍拾元整"}));
    Command3Click(controls);
    EXPECT_EQ(Split(controls.Working(role::kChargedFee)),
              (Lines{"基准价 × (1 + 浮动幅度%)", "= 14.025 × (1 − 20%)", "= 11.22",
                     "小写：¥112,200.00", "大写：人民币壹拾壹万贰仟贰佰元整"}));
    EXPECT_EQ(controls.Caption(role::kChargedFee), "11.22");

    controls.SetText(role::kRange, "5%");
    Command3Click(controls);
    EXPECT_EQ(Split(controls.Working(role::kChargedFee)).at(1), "= 14.025 × (1 + 5%)");
}

TEST(SupervisionWorking, FailedStepKeepsCaptionAndWorking)
{
    TestPage controls(SupervisionFeeCalculator());
    controls.SetText(role::kFeeBasis, "500");
    Command10Click(controls);
    const std::string working = controls.Working(role::kBasePrice);
    controls.SetText(role::kFeeBasis, "-1e19");
    EXPECT_THROW(Command10Click(controls), FloatingPointError);
    EXPECT_EQ(controls.Caption(role::kBasePrice), "16.5");
    EXPECT_EQ(controls.Working(role::kBasePrice), working);
}

TEST(PeriodWorking, GivesBothConventions)
{
    using namespace std::chrono;
    const auto day = [](int y, unsigned m, unsigned d) {
        return DateTime{local_days{year{y} / month{m} / d}};
    };
    struct {
        DateTime start, completion;
        Lines lines;
    } const cases[] = {
        {day(2009, 2, 6),
         day(2010, 2, 6),
         {"开工日期 2009/2/6", "竣工日期 2010/2/6", "工期 365 天（开工当日不计）",
          "开工、竣工两日都计入时为 366 天"}},
        {day(2009, 2, 6),
         day(2009, 2, 6),
         {"开工日期 2009/2/6", "竣工日期 2009/2/6", "工期 0 天（开工当日不计）",
          "开工、竣工两日都计入时为 1 天"}},
        {day(2009, 3, 1),
         day(2009, 2, 27),
         {"开工日期 2009/3/1", "竣工日期 2009/2/27", "工期 -2 天（开工当日不计）",
          "开工、竣工两日都计入时为 -3 天"}},
    };
    for (const auto& c : cases) {
        TestPage controls(CalendarDaysCalculator());
        controls.SetDate(role::kStartDate, c.start);
        controls.SetDate(role::kCompletionDate, c.completion);
        Command4Click(controls);
        EXPECT_EQ(Split(controls.Working(role::kPeriod)), c.lines);
    }
}

}  // namespace
}  // namespace kelvora
