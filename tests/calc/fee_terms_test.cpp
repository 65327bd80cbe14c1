// The 2011 schedule of the tender fee and an agency's own terms over it,
// against figures worked out apart from the program (exact fractions from the
// published rates: 5–10 亿元 0.035 %, 10–50 亿元 0.008 %, 50–100 亿元
// 0.006 %, above 0.004 %, caps 450 / 300 / 350 万元).

#include "calc/fee_terms.h"

#include <gtest/gtest.h>

#include "calc/batch.h"
#include "calc/number_text.h"
#include "calc/table_text.h"

namespace kelvora {
namespace {

using T = TenderType;

TEST(TenderFee2011, BandEdgesAndCapsOfEachType)
{
    const struct {
        double amount;
        TenderType type;
        const char* fee;  // exact, in 万元
        bool capped;
    } cases[] = {
        // below 5 亿元 the 2002 bands stand
        {100, T::Engineering, "1", false},
        {10000, T::Engineering, "30.55", false},
        {10000, T::Services, "21.95", false},
        {10000, T::Goods, "42.4", false},
        {50000, T::Engineering, "50.55", false},
        {50000, T::Services, "41.95", false},
        {50000, T::Goods, "62.4", false},
        // from 5 亿元 one rate for all three types
        {50000.01, T::Engineering, "50.5500035", false},
        {100000, T::Engineering, "68.05", false},
        {100000, T::Services, "59.45", false},
        {500000, T::Goods, "111.9", false},
        {1000000, T::Engineering, "130.05", false},
        {1000000.5, T::Services, "121.45002", false},
        // the caps: reached exactly, then passed (1,000 亿元)
        {8998750, T::Engineering, "450", false},
        {9000000, T::Engineering, "450", true},
        {10000000, T::Services, "300", true},
        {10000000, T::Goods, "350", true},
    };
    for (const auto& c : cases) {
        const TenderFeeSteps steps = TenderAgencyFeeSteps(c.amount, c.type, false, kTenderFee2011);
        EXPECT_EQ(FormatGeneral(steps.fee), c.fee) << c.amount << " type " << int(c.type);
        EXPECT_EQ(steps.sum < steps.banded, c.capped) << c.amount;
        // a capped fee says so in its working, and the service is 30 % of the cap
        EXPECT_EQ(TenderFeeWorking(steps).find("收费上限") != std::string::npos, c.capped);
    }
    const TenderFeeSteps served =
        TenderAgencyFeeSteps(10000000, T::Engineering, true, kTenderFee2011);
    EXPECT_EQ(FormatGeneral(served.fee), "585");
    // the same amounts by the 2002 bands: no cap
    EXPECT_EQ(FormatGeneral(TenderAgencyFee(10000000, T::Engineering, false)), "1065.55");
}

TEST(FeeTerms, EachKindOfTermAgainstItsOwnComputation)
{
    const auto terms = [](TermsKind kind, double percent, double minimum = 0) {
        return FeeTerms{
            .schedule = "2002", .kind = kind, .percent = percent, .minimumYuan = minimum};
    };
    const struct {
        double amount;
        bool service;
        FeeTerms terms;
        const char* charged;  // 万元
        const char* said;     // in the working
    } cases[] = {
        // 6000 万元 of works: a standard fee of 22.55 万元, 29.315 with the service
        {6000, false, terms(TermsKind::Standard, 0), "22.55", "按标准收取：22.55 万元"},
        {6000, false, terms(TermsKind::Share, 80), "18.04",
         "按标准的 80% 收取：22.55×80%=18.04 万元"},
        {6000, true, terms(TermsKind::Share, 80), "23.452", "29.315×80%=23.452"},
        {6000, false, terms(TermsKind::Discount, 20), "18.04",
         "按标准下浮 20% 收取：22.55×80%=18.04"},
        {6000, true, terms(TermsKind::Discount, 15), "24.91775", "29.315×85%=24.91775"},
        {6000, false, terms(TermsKind::FlatRate, 1.5), "90",
         "按中标金额的 1.5% 计取：6000×1.5%=90"},
        {6000, true, terms(TermsKind::FlatRate, 1.5), "117",
         "另计编制招标文件服务 30%：90×1.3=117"},
        // 10 万元: 1,000 元 by the standard, below a minimum of 2,000 元
        {10, false, terms(TermsKind::Share, 80, 2000), "0.2",
         "不足 2000 元，按 2000 元（0.2 万元）收取"},
        {10, false, terms(TermsKind::FlatRate, 1.5, 2000), "0.2", "10×1.5%=0.15"},
        {10, false, terms(TermsKind::Standard, 0, 500), "0.1", "按标准收取：0.1 万元"},
    };
    for (const auto& c : cases) {
        const TenderFeeSteps standard = TenderAgencyFeeSteps(c.amount, T::Engineering, c.service);
        const FeeByTerms charged = ChargeByTerms(standard, c.terms);
        EXPECT_EQ(FormatGeneral(charged.fee), c.charged) << TermsWords(c.terms);
        EXPECT_NE(charged.working.find(c.said), std::string::npos) << charged.working;
    }
}

TEST(FeeTerms, ReadBackAsWrittenOrRefusedWithAReason)
{
    const struct {
        const char* text;
        const char* problem;  // the start of it; "" read
        const char* words;    // of the terms read
    } cases[] = {
        {"", "", "按标准收取"},
        {"schedule=2011;kind=share;percent=80;minimum=2000", "",
         "按标准的 80% 收取；不足 2000 元的按 2000 元收取"},
        {"schedule=2002;kind=discount;percent=20", "", "按标准下浮 20% 收取"},
        {"kind=rate;percent=1.5", "", "按中标金额的 1.5% 计取"},
        {"kind=share;percent=120", "收取比例应大于 0、不超过 100%", ""},
        {"kind=discount;percent=0", "下浮比例应大于 0、不超过 100%", ""},
        {"kind=rate;percent=12", "费率应大于 0、不超过 10%", ""},
        {"kind=share;percent=80;minimum=-5", "最低收费不能为负数", ""},
        {"kind=share;percent=80%", "“percent=80%”不是一个数", ""},
        {"kind=half", "不认识的收费方式“half”", ""},
        {"schedule=1999", "没有名为“1999”的收费标准", ""},
        // what the terms do not use is not kept, so they read back as written
        {";percent=81;minimum=2000", "", "按标准收取；不足 2000 元的按 2000 元收取"},
        // held as the 15 digits its words show
        {"kind=share;percent=80;minimum=1999333333333333333", "",
         "按标准的 80% 收取；不足 1.99933333333333E+18 元的按 1.99933333333333E+18 元收取"},
    };
    for (const auto& c : cases) {
        const TermsReading reading = ReadFeeTerms(c.text);
        EXPECT_EQ(reading.problem.rfind(c.problem, 0), 0u) << c.text << ": " << reading.problem;
        ASSERT_EQ(reading.terms.has_value(), *c.problem == '\0') << c.text;
        if (reading.terms) {
            EXPECT_EQ(TermsWords(*reading.terms), c.words);
            EXPECT_EQ(ReadFeeTerms(WriteFeeTerms(*reading.terms)).terms, reading.terms);
        }
    }
}

// The lots of one tender past the cap of their type: the 合计 says so and
// by which rule, and shares nothing out.
TEST(FeeTerms, LotsPastTheCapOfOneTenderMarkTheirTotal)
{
    const struct {
        const char* terms;
        const char* lots;  // 标段, 中标金额, 服务类型
        const char* note;  // "" none
    } cases[] = {
        // 工程: five lots of 50 亿元, 100.05 万元 each, pass 450 together
        {"schedule=2011",
         "1\t500000\t工程招标\n2\t500000\t工程招标\n3\t500000\t工程招标\n4\t500000\t工程招标\n5\t50"
         "0000\t工程招标\n",
         "工程招标各标段合计 500.25 万元超过上限 450 万元（发改价格〔2011〕534号"},
        {"schedule=2011", "1\t500000\t工程招标\n2\t500000\t工程招标\n", ""},
        // 68.05 + 274,375 × 0.008 % = 90.00 each: exactly at the cap, added in 分, not past it
        {"schedule=2011",
         "1\t374375\t工程招标\n2\t374375\t工程招标\n3\t374375\t工程招标\n4\t374375\t工程招标\n5\t3"
         "74375\t工程招标\n",
         ""},
        // one 元 more of fee per lot (0.8 元 each, to the 分) is past it
        {"schedule=2011",
         "1\t374376\t工程招标\n2\t374376\t工程招标\n3\t374376\t工程招标\n4\t374376\t工程招标\n5\t3"
         "74376\t工程招标\n",
         "工程招标各标段合计 450.0004 万元超过上限 450 万元"},
        // the cap is on the banded fee, before the document service's × 1.3:
        // 4 × 92.05 = 368.2 (478.66 with it)
        {"schedule=2011",
         "1\t400000\t工程招标\t是\n2\t400000\t工程招标\t是\n3\t400000\t工程招标\t是\n4\t400000"
         "\t工程招标\t是\n",
         ""},
        // each type against its own cap: 服务 300
        {"schedule=2011",
         "1\t500000\t服务招标\n2\t500000\t服务招标\n3\t500000\t服务招标\n4\t500000\t服务招标\n",
         "服务招标各标段合计 365.8 万元超过上限 300 万元"},
        {"schedule=2002",
         "1\t500000\t工程招标\n2\t500000\t工程招标\n3\t500000\t工程招标\n4\t500000\t工程招标\n5\t50"
         "0000\t工程招标\n",
         ""},
    };
    for (const auto& c : cases) {
        const BatchColumns columns = ColumnsOf(TenderFeeCalculator(), *ReadFeeTerms(c.terms).terms);
        std::vector<BatchRow> rows;
        for (Cells& cells : ParseTable(c.lots)) {
            rows.push_back(CalculateRow(columns, std::move(cells)));
        }
        const std::string note = TotalNote(TotalOf(columns, rows));
        if (*c.note == '\0') {
            EXPECT_EQ(note, "") << c.lots;
        } else {
            EXPECT_NE(note.find(c.note), std::string::npos) << note;
        }
    }
}

}  // namespace
}  // namespace kelvora
