#pragma once
// The tender's timetable by law: from the day the notice is published (or
// the documents are first issued) and the dates the agency plans, every
// milestone as the earliest or latest day the rules allow, with its weekday,
// the rule in words and the article; a planned day that breaks a rule is
// marked with the rule and the first day that keeps it.
//
//   TimetablePlan + HolidayCalendar --WorkOutTimetable--> Timetable (milestones)
//   --TimetableCells--> table
//
// Counting (民法典 200–204): the first day is not counted, a period of N 日
// from day X ends with day X + N, moved to the next working day when that is
// a rest day or holiday; 工作日 count working days only. Where a rule reads
// two ways (a deadline is a clock time within its day: X + 20 or X + 21;
// "15 日前" with or without the deadline's day) the reading that leaves the
// bidders more time is the default: the later day where they act (异议,
// 质疑), the earlier where the tenderer acts before them (澄清). The whole
// timetable is worked out under each reading, so every day that follows
// from another follows from that reading's own day, and a row shows the
// other reading's day where it differs.

#include <optional>
#include <string>
#include <vector>

#include "calc/holiday_calendar.h"
#include "calc/table_text.h"

namespace kelvora {

enum class Procedure {
    Engineering,  // 工程依法招标
    Procurement,  // 政府采购公开招标
};

enum class Reading {
    MoreTime,  // the reading that leaves the bidders more time
    Literal,   // the other: the shorter time for them
};

struct TimetablePlan {
    Procedure procedure = Procedure::Engineering;
    bool prequalification = false;       // 资格预审 (工程 only)
    Day start{};                         // the notice published, the documents first issued
    std::optional<Day> documentsIssued;  // 招标文件 first issued after 资格预审
    std::optional<Day> deadline;         // the planned bid deadline and opening
    std::optional<Day> reportReceived;   // the evaluation report received
    std::optional<Day> awardNotice;      // 中标通知书 issued
    std::optional<int> validityDays;     // 投标有效期, in 日, as the clerk gives it
    Reading reading = Reading::MoreTime;
};

enum class Bound {
    Start,     // the day the plan starts from
    Earliest,  // no earlier than
    Latest,    // no later than
    Planned,   // as planned
    RuleOnly,  // a rule without a day to show
};

struct Milestone {
    std::string stage;  // 发售、投标、开标评标、定标、合同
    std::string work;   // what is done
    std::optional<Day> day;
    Bound bound = Bound::RuleOnly;
    std::string rule;     // the period and how it was counted
    std::string article;  // "《招标投标法实施条例》第十六条"
    std::vector<std::string>
        marks;            // a planned day that breaks a rule, a rest day, an unknown year
    bool breaks = false;  // a mark says a rule is broken
    // Where the rule reads two ways: how this row's reading reads it, and the
    // day under the other reading where it differs, with how that one reads.
    std::string reading;
    std::optional<Day> other;
    std::string otherReading;
};

struct Timetable {
    std::vector<Milestone> rows;
    std::string calendar;  // the calendar used, its years and sources
};

Timetable WorkOutTimetable(const TimetablePlan& plan, const HolidayCalendar& calendar);

const char* ProcedureName(Procedure procedure);
const char* ReadingName(Reading reading);
const char* BoundName(Bound bound);

// The table as it is copied and printed: 阶段, 工作内容, 日期, 星期, 期限与计算
// (with the other reading's day), 依据, 说明.
std::vector<Cells> TimetableCells(const Timetable& timetable);

// A row's 期限与计算: its rule, how it reads it, the other reading's day.
std::string RuleWords(const Milestone& row);

}  // namespace kelvora
