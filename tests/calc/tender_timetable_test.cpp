// The tender's timetable against dates counted by hand on the published
// holiday notices of 2024 to 2026 and the law's holidays after them, and the
// calendar file's reader. Each comment gives the count that gives the day.

#include "calc/tender_timetable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora {
namespace {

Day D(const char* iso)
{
    return MakeDay(std::atoi(iso), std::atoi(iso + 5), std::atoi(iso + 8));
}

const Milestone* Find(const Timetable& timetable, std::string_view work)
{
    const auto found = std::find_if(timetable.rows.begin(), timetable.rows.end(),
                                    [&](const Milestone& row) { return row.work == work; });
    return found == timetable.rows.end() ? nullptr : &*found;
}

std::string DayOf(const Timetable& timetable, std::string_view work)
{
    const Milestone* row = Find(timetable, work);
    return row != nullptr && row->day ? FormatDay(*row->day) : "none";
}

TEST(HolidayCalendar, KnowsHolidaysAdjustedWorkingDaysAndWeekends)
{
    const HolidayCalendar calendar;
    const struct {
        const char* day;
        DayKind kind;
    } cases[] = {
        {"2024-10-01", DayKind::Holiday},
        {"2024-10-06", DayKind::Holiday},  // a Sunday in the break
        {"2024-10-12", DayKind::Working},
        {"2024-10-13", DayKind::Rest},
        {"2024-02-09", DayKind::Working},
        {"2025-01-26", DayKind::Working},
        {"2025-10-08", DayKind::Holiday},
        {"2026-01-03", DayKind::Holiday},
        {"2026-02-28", DayKind::Working},
        {"2026-06-22", DayKind::Working},
        {"2027-01-01", DayKind::Holiday},  // no notice yet: 元旦 by the law
        {"2027-01-02", DayKind::Rest},
        {"2027-02-05", DayKind::Holiday},  // 除夕, a Friday
        {"2027-02-09", DayKind::Working},  // 初四: the law's four days are over
        {"2027-10-04", DayKind::Working},  // 国庆 is three days by the law
        {"2031-10-01", DayKind::Holiday},  // 中秋 and 国庆 on one day
        {"2051-01-02", DayKind::Working},  // past the table: weekends alone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calendar.KindOf(D(c.day)), c.kind) << c.day;
    }
    EXPECT_TRUE(calendar.Knows(2026));
    EXPECT_FALSE(calendar.Knows(2027));
    EXPECT_TRUE(calendar.KnowsByLaw(2027));
    EXPECT_FALSE(calendar.KnowsByLaw(2051));
}

// The earliest bid deadline (20 日 from the first issue) over each kind of
// break; by default the deadline comes the day after the period ends.
TEST(TenderTimetable, TheEarliestDeadlineMovesPastEveryBreak)
{
    const HolidayCalendar calendar;
    const struct {
        const char* start;
        const char* moreTime;  // X + 21, moved
        const char* literal;   // X + 20, moved
    } cases[] = {
        {"2024-09-11", "2024-10-08", "2024-10-08"},  // 10-01 / 10-02 in National Day
        {"2024-01-20", "2024-02-18", "2024-02-09"},  // into the Spring Festival: a Sunday worked
        {"2025-01-08", "2025-02-05", "2025-02-05"},
        {"2025-05-11", "2025-06-03", "2025-06-03"},  // the Dragon Boat break
        {"2026-01-24", "2026-02-14", "2026-02-13"},  // a Saturday worked
        {"2026-09-10", "2026-10-08", "2026-09-30"},
        {"2026-11-20", "2026-12-11", "2026-12-10"},  // no break
        {"2026-12-11", "2027-01-04", "2026-12-31"},  // 2027-01-01 is 元旦 by the law
        {"2027-03-01", "2027-03-22", "2027-03-22"},
        {"2027-01-16", "2027-02-09", "2027-02-09"},  // 02-06 / 02-05: 春节 by the law
    };
    for (const auto& c : cases) {
        for (const Procedure procedure : {Procedure::Engineering, Procedure::Procurement}) {
            TimetablePlan plan;
            plan.procedure = procedure;
            plan.start = D(c.start);
            const Timetable moreTime = WorkOutTimetable(plan, calendar);
            plan.reading = Reading::Literal;
            const Timetable literal = WorkOutTimetable(plan, calendar);
            EXPECT_EQ(DayOf(moreTime, "投标截止、开标（最早）"), c.moreTime) << c.start;
            EXPECT_EQ(DayOf(literal, "投标截止、开标（最早）"), c.literal) << c.start;
            // each shows the other reading's day where it differs
            const Milestone& row = *Find(moreTime, "投标截止、开标（最早）");
            EXPECT_EQ(row.other ? FormatDay(*row.other) : FormatDay(*row.day), c.literal);
            EXPECT_EQ(row.other.has_value(), std::string(c.literal) != c.moreTime);
            EXPECT_TRUE(!row.other || RuleWords(row).ends_with("：" + FormatDay(*row.other)));
        }
    }
    const struct {
        const char* start;
        const char* mark;
    } unknown[] = {
        {"2027-03-01", "该年调休安排尚未公布，已按法定节日计算"},
        {"2051-03-01", "2051 年节假日安排尚未公布，按周末计算"},
    };
    for (const auto& u : unknown) {
        TimetablePlan plan;
        plan.start = D(u.start);
        const Timetable timetable = WorkOutTimetable(plan, calendar);
        const Milestone* row = Find(timetable, "投标截止、开标（最早）");
        ASSERT_EQ(row->marks.size(), 1u);
        EXPECT_EQ(row->marks[0], u.mark);
    }
}

// 工作日 count adjusted working days and skip holidays.
TEST(TenderTimetable, WorkingDayPeriodsCountAdjustedWorkingDays)
{
    const HolidayCalendar calendar;
    const struct {
        const char* start;
        const char* offeredUntil;  // 5 个工作日
    } cases[] = {
        {"2024-09-11", "2024-09-19"},  // 09-14 worked, 09-15..17 off
        {"2024-02-06", "2024-02-19"},  // 02-18 worked
        {"2025-09-24", "2025-09-30"},  // 09-28 worked
        {"2026-04-29", "2026-05-09"},  // 05-01..05 off, 05-09 worked
    };
    for (const auto& c : cases) {
        TimetablePlan plan;
        plan.procedure = Procedure::Procurement;
        plan.start = D(c.start);
        EXPECT_EQ(DayOf(WorkOutTimetable(plan, calendar), "招标文件提供期满（最早）"),
                  c.offeredUntil)
            << c.start;
    }
}

// Counting back from the deadline, and forward from the planned days.
TEST(TenderTimetable, EachMilestoneFromThePlannedDays)
{
    const HolidayCalendar calendar;
    TimetablePlan plan;
    plan.start = D("2024-09-11");
    plan.deadline = D("2024-10-15");
    plan.reportReceived = D("2024-10-17");
    plan.awardNotice = D("2024-10-25");
    plan.validityDays = 60;
    const struct {
        Procedure procedure;
        bool prequalification;
        const char* work;
        const char* day;
    } cases[] = {
        {Procedure::Engineering, false, "招标文件停止发售（最早）", "2024-09-18"},
        {Procedure::Engineering, false, "招标文件澄清或修改（最迟）", "2024-09-29"},  // 15-16
        {Procedure::Engineering, false, "对招标文件提出异议（最迟）", "2024-10-05"},  // 15-10
        {Procedure::Engineering, false, "答复招标文件异议（最迟）", "2024-10-08"},    // 10-08 off
        {Procedure::Engineering, false, "对评标结果提出异议（最迟）", "2024-10-21"},  // 17+3 Sun
        {Procedure::Engineering, false, "答复评标结果异议（最迟）", "2024-10-24"},
        {Procedure::Engineering, false, "投标有效期届满", "2024-12-16"},              // 15+60 Sat
        {Procedure::Engineering, false, "中标候选人公示开始（最迟）", "2024-10-21"},  // 10-20 Sun
        {Procedure::Engineering, false, "订立书面合同（最迟）", "2024-11-25"},        // 11-24 Sun
        {Procedure::Engineering, false, "向有关行政监督部门提交书面报告（最迟）", "2024-11-11"},
        {Procedure::Engineering, false, "退还投标保证金及利息（最迟）", "2024-12-02"},
        {Procedure::Engineering, true, "资格预审文件停止发售（最早）", "2024-09-18"},
        {Procedure::Engineering, true, "资格预审申请文件提交截止（最早）", "2024-09-24"},  // 18+6
        {Procedure::Engineering, true, "资格预审文件澄清或修改（最迟）", "2024-09-20"},    // 24-4
        {Procedure::Engineering, true, "对资格预审文件提出异议（最迟）", "2024-09-22"},    // 24-2
        {Procedure::Engineering, true, "答复资格预审文件异议（最迟）", "2024-09-25"},
        {Procedure::Engineering, true, "投标截止、开标（最早）", "2024-10-15"},  // 09-24 + 21
        {Procedure::Procurement, false, "采购人确定中标人（最迟）", "2024-10-24"},
        // 09-19 (5 个工作日), then 20 23 24 25 26 27 29 (a Sunday worked)
        {Procedure::Procurement, false, "对招标文件提出质疑（最迟）", "2024-09-29"},
        // 09-30, 10-08 09 10 11 12 (a Saturday worked) 14
        {Procedure::Procurement, false, "答复招标文件质疑（最迟）", "2024-10-14"},
        {Procedure::Procurement, false, "中标结果公告期满", "2024-10-28"},  // 10-25 Fri + 1
        // from the end of the 公告期限: 29 30 31, 11-01 04 05 06
        {Procedure::Procurement, false, "对中标结果提出质疑（最迟）", "2024-11-06"},
        {Procedure::Procurement, false, "答复中标结果质疑（最迟）", "2024-11-15"},
        {Procedure::Procurement, false, "提起投诉（最迟）", "2024-12-06"},  // 15 个工作日
        {Procedure::Procurement, false, "公告政府采购合同（最迟）", "2024-11-27"},  // 11-25 + 2
        {Procedure::Procurement, false, "合同报同级财政部门备案（最迟）", "2024-12-04"},
    };
    for (const auto& c : cases) {
        plan.procedure = c.procedure;
        plan.prequalification = c.prequalification;
        EXPECT_EQ(DayOf(WorkOutTimetable(plan, calendar), c.work), c.day) << c.work;
    }
}

// A planned day that breaks a rule is marked with the rule and the first day
// that keeps it; a deadline on a rest day is allowed but marked.
TEST(TenderTimetable, APlannedDayThatBreaksARuleSaysWhichAndWhen)
{
    const HolidayCalendar calendar;
    const struct {
        Procedure procedure;
        const char* deadline;
        const char* report;
        const char* notice;
        const char* work;
        const char* mark;  // "" none
        bool breaks;
    } cases[] = {
        {Procedure::Engineering, "2024-09-30", "", "", "投标截止、开标（拟定）",
         "不符合“不少于 20 日”：最早为 2024-10-08", true},
        {Procedure::Engineering, "2024-10-12", "", "", "投标截止、开标（拟定）", "", false},
        {Procedure::Engineering, "2024-10-13", "", "", "投标截止、开标（拟定）",
         "投标截止、开标日为休息日（法律未禁止，请确认）", false},
        {Procedure::Engineering, "2024-09-02", "", "", "投标截止、开标（拟定）",
         "早于开始日期（2024-09-11）：最早为 2024-10-08", true},
        {Procedure::Engineering, "2024-10-15", "2024-10-14", "", "收到评标报告",
         "早于投标截止（2024-10-15）：最早为 2024-10-15", true},
        // the 公示 of 10-17 lasts to 10-20, a Sunday: it ends 10-21
        {Procedure::Engineering, "2024-10-15", "2024-10-17", "2024-10-16", "发出中标通知书",
         "早于收到评标报告（2024-10-17）：最早为 2024-10-22", true},
        {Procedure::Engineering, "2024-10-15", "2024-10-17", "2024-10-17", "发出中标通知书",
         "不符合“中标候选人公示期满后发出”：最早为 2024-10-22", true},
        {Procedure::Engineering, "2024-10-15", "2024-10-17", "2024-10-22", "发出中标通知书", "",
         false},
        // no report day: the 公示 of a report of the opening day at the earliest
        {Procedure::Engineering, "2024-10-15", "", "2024-10-17", "发出中标通知书",
         "不符合“中标候选人公示期满后发出（按开标当日收到评标报告估算）”：最早为 2024-10-19", true},
        // 条例 43 counts from the end of the evaluation, which the plan does not give
        {Procedure::Procurement, "2024-10-15", "2024-10-21", "", "评审报告送交采购人（拟定）",
         "评审如在开标当日结束，最迟应于 2024-10-17 送交；计划未给出评审结束日，请确认", false},
        // without a report day, an award after the opening may follow an early report
        {Procedure::Procurement, "2024-10-15", "", "2024-10-16",
         "发出中标通知书、公告中标结果（拟定）", "", false},
        {Procedure::Procurement, "2024-10-15", "2024-10-17", "2024-10-30",
         "发出中标通知书、公告中标结果（拟定）",
         "不符合“确定中标人后 2 个工作日内”：最迟为 2024-10-28", true},
    };
    for (const auto& c : cases) {
        TimetablePlan plan;
        plan.procedure = c.procedure;
        plan.start = D("2024-09-11");
        plan.deadline = D(c.deadline);
        if (*c.report != '\0') {
            plan.reportReceived = D(c.report);
        }
        if (*c.notice != '\0') {
            plan.awardNotice = D(c.notice);
        }
        const Timetable timetable = WorkOutTimetable(plan, calendar);
        const Milestone* row = Find(timetable, c.work);
        ASSERT_NE(row, nullptr) << c.work;
        if (*c.mark == '\0') {
            EXPECT_TRUE(row->marks.empty()) << c.work << " " << c.deadline;
        } else {
            ASSERT_EQ(row->marks.size(), 1u) << c.work << " " << c.deadline;
            EXPECT_EQ(row->marks[0], c.mark);
        }
        EXPECT_EQ(row->breaks, c.breaks) << c.work;
    }
}

// Where the law reads two ways: the bidders' reading by default (the later
// day where they act, the earlier where the tenderer acts before them), and
// the other reading's day worked out from that reading's own days.
TEST(TenderTimetable, EachReadingFromItsOwnDays)
{
    const HolidayCalendar calendar;
    const struct {
        Procedure procedure;
        bool prequalification;
        const char* start;
        const char* work;
        const char* day;
        const char* other;  // "" the same under both
    } cases[] = {
        // deadline 10-08 under both: 异议 D-10 for the bidders, D-11 the other
        {Procedure::Engineering, false, "2024-09-11", "对招标文件提出异议（最迟）", "2024-09-28",
         "2024-09-27"},
        // 澄清: the tenderer acts, the bidders' reading is the earlier day
        {Procedure::Engineering, false, "2024-09-11", "招标文件澄清或修改（最迟）", "2024-09-22",
         "2024-09-23"},
        // deadlines 02-14 (X+21) and 02-13 (X+20): 异议 02-04, and 02-13 - 11
        {Procedure::Engineering, false, "2026-01-24", "对招标文件提出异议（最迟）", "2026-02-04",
         "2026-02-02"},
        {Procedure::Engineering, false, "2026-01-24", "招标文件澄清或修改（最迟）", "2026-01-29",
         ""},
        // 资格预审: sale to 02-09 (02-08 a Sunday); X+6 = 02-15 in the Spring
        // Festival, to 02-24; X+5 = 02-14, a Saturday worked
        {Procedure::Engineering, true, "2026-02-03", "资格预审申请文件提交截止（最早）",
         "2026-02-24", "2026-02-14"},
        {Procedure::Engineering, true, "2026-02-03", "对资格预审文件提出异议（最迟）", "2026-02-22",
         "2026-02-11"},
        // 质疑 against the result from the end of its 公告期限: the deadline
        // 01-23, report 01-27, chosen 02-03, published 02-05, shown to 02-06,
        // then 09 10 11 12 13 14 (a Saturday worked) and 24 after the break;
        // the other: deadline 01-22, report 01-26, chosen 02-02, published
        // 02-04, shown to 02-05, then 06 09 10 11 12 13 14
        {Procedure::Procurement, false, "2026-01-02", "对中标结果提出质疑（最迟）", "2026-02-24",
         "2026-02-14"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.work);
        TimetablePlan plan;
        plan.procedure = c.procedure;
        plan.prequalification = c.prequalification;
        plan.start = D(c.start);
        const Timetable timetable = WorkOutTimetable(plan, calendar);
        const Milestone* row = Find(timetable, c.work);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(FormatDay(*row->day), c.day);
        EXPECT_EQ(row->other ? FormatDay(*row->other) : "", c.other);
        // and the other reading's own timetable has that day
        plan.reading = Reading::Literal;
        const Timetable other = WorkOutTimetable(plan, calendar);
        EXPECT_EQ(DayOf(other, c.work), *c.other != '\0' ? c.other : c.day);
    }
}

// The award follows the 公示: planned inside it, or on the report's day, it
// is marked with the first day after it (2025-04-04 to 04-06 is 清明).
TEST(TenderTimetable, AnAwardInsideThePublicityIsMarked)
{
    const HolidayCalendar calendar;
    const struct {
        const char* award;
        const char* mark;  // "" none
    } cases[] = {
        {"2025-04-03", "不符合“中标候选人公示期满后发出”：最早为 2025-04-08"},
        {"2025-04-01", "不符合“中标候选人公示期满后发出”：最早为 2025-04-08"},
        {"2025-04-08", ""},
    };
    for (const auto& c : cases) {
        TimetablePlan plan;
        plan.start = D("2025-03-10");
        plan.deadline = D("2025-03-31");
        plan.reportReceived = D("2025-04-01");
        plan.awardNotice = D(c.award);
        const Timetable timetable = WorkOutTimetable(plan, calendar);
        EXPECT_EQ(DayOf(timetable, "公示期满（最早）"), "2025-04-07");
        const Milestone* award = Find(timetable, "发出中标通知书");
        EXPECT_EQ(award->marks.empty() ? "" : award->marks.front(), c.mark) << c.award;
    }
}

TEST(CalendarFile, ReadsGoodLinesAndSaysWhichLineIsBad)
{
    const struct {
        const char* text;
        const char* problem;  // "" read
        std::size_t holidays, workingDays;
    } cases[] = {
        {"\xEF\xBB\xBF# 来源：国务院办公厅关于2027年部分节假日安排的通知\r\n"
         "2027-01-01 休\r\n\r\n2027-02-06\t班\r\n2027-02-07 休\n",
         "", 2, 1},
        {"2027-01-01 休\n2027-02-30 休\n", "第 2 行：“2027-02-30”不是 YYYY-MM-DD 形式的有效日期", 0,
         0},
        {"2027-01-01 放\n", "第 1 行：“放”应为“休”（放假）或“班”（调休上班）", 0, 0},
        {"2027-01-04 班\n", "第 1 行：2027-01-04 是工作日，不必写作调休上班", 0, 0},
        {"2027-01-01 休\n2027-01-01 休\n", "第 2 行：2027-01-01 已经写过一次", 0, 0},
        {"2027-01-01 休\n2027-01-01 班\n", "第 2 行：2027-01-01 已经写过一次", 0, 0},
        {"2027-01-01\n", "第 1 行：应为“日期 休”或“日期 班”，例如“2027-01-01 休”", 0, 0},
        {"# 只有说明\n", "文件中没有任何日期", 0, 0},
    };
    for (const auto& c : cases) {
        const CalendarReading reading = ReadCalendarFile(c.text);
        EXPECT_EQ(reading.problem, c.problem);
        if (*c.problem == '\0') {
            ASSERT_EQ(reading.years.size(), 1u);
            EXPECT_EQ(reading.years[0].holidays.size(), c.holidays);
            EXPECT_EQ(reading.years[0].workingDays.size(), c.workingDays);
            EXPECT_EQ(reading.years[0].source, "国务院办公厅关于2027年部分节假日安排的通知");
            // written back, it reads the same
            const CalendarReading again = ReadCalendarFile(CalendarFileText(reading.years[0]));
            EXPECT_EQ(again.years[0].holidays, reading.years[0].holidays);
        } else {
            EXPECT_TRUE(reading.years.empty());
        }
    }
}

// A loaded year moves the deadlines; a year that contradicts a built-in one,
// or the law's holidays, is refused with the days, and nothing is added.
TEST(CalendarFile, ALoadedYearCountsAndAContradictionIsRefused)
{
    // the law's days of 2027 (元旦; 除夕 to 初三; 清明; 5 月 1、2 日; 端午; 中秋),
    // then 国庆 as a notice may give it
    const std::string law2027 =
        "2027-01-01 休\n2027-02-05 休\n2027-02-06 休\n2027-02-07 休\n2027-02-08 休\n"
        "2027-04-05 休\n2027-05-01 休\n2027-05-02 休\n2027-06-09 休\n2027-09-15 休\n";
    HolidayCalendar calendar;
    TimetablePlan plan;
    plan.start = D("2027-09-10");
    // 09-10 + 21 = 10-01, 国庆 by the law to 10-03, then a Monday
    EXPECT_EQ(DayOf(WorkOutTimetable(plan, calendar), "投标截止、开标（最早）"), "2027-10-04");
    const CalendarReading contradiction =
        ReadCalendarFile("2027-10-01 休\n2024-10-01 休\n2024-10-08 休\n");
    ASSERT_EQ(contradiction.problem, "");
    const std::string refused = calendar.AddYears(contradiction.years);
    EXPECT_EQ(refused.rfind("2024 年的安排与国务院办公厅关于2024年部分节假日安排的通知不同（"
                            "2024-01-01、2024-02-10、",
                            0),
              0u)
        << refused;
    EXPECT_TRUE(refused.ends_with(" 等），未导入")) << refused;
    EXPECT_FALSE(calendar.Knows(2027));
    const struct {
        std::string file;
        const char* refused;  // "" taken
    } againstTheLaw[] = {
        {law2027 + "2027-10-01 休\n2027-10-03 休\n",
         "2027 年的安排中 "
         "2027-10-02（国庆节）不是放假日，与《全国年节及纪念日放假办法》不符，未导入"},
        {"2027-10-01 休\n2027-10-02 休\n2027-10-03 休\n",
         "2027 年的安排中 2027-01-01（元旦）不是放假日"},
    };
    for (const auto& c : againstTheLaw) {
        EXPECT_EQ(calendar.AddYears(ReadCalendarFile(c.file).years).rfind(c.refused, 0), 0u);
        EXPECT_FALSE(calendar.Knows(2027));
    }
    const CalendarReading national =
        ReadCalendarFile(law2027 + "2027-10-01 休\n2027-10-02 休\n2027-10-03 休\n2027-10-04 休\n");
    EXPECT_EQ(calendar.AddYears(national.years), "");
    const Timetable moved = WorkOutTimetable(plan, calendar);
    EXPECT_EQ(DayOf(moved, "投标截止、开标（最早）"), "2027-10-05");
    EXPECT_TRUE(Find(moved, "投标截止、开标（最早）")->marks.empty());
    // a corrected file for a year imported before replaces it
    const CalendarReading corrected = ReadCalendarFile(
        law2027 + "2027-10-01 休\n2027-10-02 休\n2027-10-03 休\n2027-10-04 休\n2027-10-05 休\n");
    EXPECT_EQ(calendar.AddYears(corrected.years), "");
    EXPECT_EQ(DayOf(WorkOutTimetable(plan, calendar), "投标截止、开标（最早）"), "2027-10-06");

    // a notice that begins in the December before its year (as 2019's did):
    // the days it names there are its own, and the built-in 2026 stands
    const CalendarReading crossing =
        ReadCalendarFile("# 来源：某年通知\n2026-12-27 班\n2026-12-31 休\n" + law2027 +
                         "2027-10-01 休\n2027-10-02 休\n2027-10-03 休\n");
    ASSERT_EQ(crossing.problem, "");
    ASSERT_EQ(crossing.years.size(), 1u);
    EXPECT_EQ(crossing.years[0].year, 2027);
    EXPECT_EQ(calendar.AddYears(crossing.years), "");
    EXPECT_EQ(calendar.KindOf(D("2026-12-31")), DayKind::Holiday);
    EXPECT_EQ(calendar.KindOf(D("2026-12-27")), DayKind::Working);  // a Sunday worked
    EXPECT_EQ(calendar.KindOf(D("2026-12-30")), DayKind::Working);
    EXPECT_EQ(calendar.KindOf(D("2026-10-01")), DayKind::Holiday);
    EXPECT_EQ(calendar.years().at(2027).source, "某年通知");
}

}  // namespace
}  // namespace kelvora
