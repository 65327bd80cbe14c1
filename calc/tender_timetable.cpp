#include "calc/tender_timetable.h"

#include <chrono>

namespace kelvora {
namespace {

using std::chrono::days;

constexpr const char* kLaw = "《招标投标法》";
constexpr const char* kRegulation = "《招标投标法实施条例》";
constexpr const char* kProcurementLaw = "《政府采购法》";
constexpr const char* kProcurementRegulation = "《政府采购法实施条例》";
constexpr const char* kOrder87 = "《政府采购货物和服务招标投标管理办法》（财政部令第87号）";

std::string Article(const char* act, const char* articles)
{
    return std::string(act) + articles;
}

// The work of one timetable: the calendar, the reading and the rows so far.
class Builder {
public:
    Builder(const TimetablePlan& plan, const HolidayCalendar& calendar)
        : m_plan(plan), m_calendar(calendar)
    {
    }

    // A period of `count` 日 from `from`, its end moved past rest days and
    // holidays. With `clockTime`, the day the period ends is itself in it
    // (a deadline is a time within its day), which one reading counts.
    Day Forward(Day from, int count, std::string& rule, bool clockTime = false) const
    {
        const int more = clockTime && m_plan.reading == Reading::MoreTime ? 1 : 0;
        const Day end = from + days{count + more};
        const Day moved = m_calendar.WorkingOnOrAfter(end);
        rule += "自 " + FormatDay(from) + " 起算（当日不计）";
        if (clockTime) {
            rule += more ? "，期满次日起方可截止（截止为当日某一时刻）" : "，期满当日即可截止";
        }
        if (moved != end) {
            rule += "；" + FormatDay(end) + " 为" + KindWord(end) + "，顺延至 " + FormatDay(moved);
        }
        if (clockTime) {
            const Day otherEnd = from + days{count + 1 - more};
            rule += std::string("。另一读法（") +
                    (more ? "期满当日即可截止" : "期满次日起方可截止") + "）：" +
                    FormatDay(m_calendar.WorkingOnOrAfter(otherEnd));
        }
        return moved;
    }

    // `count` 工作日 from `from`.
    Day Working(Day from, int count, std::string& rule) const
    {
        rule += "自 " + FormatDay(from) + " 起算（当日不计），只计工作日（含调休上班日）";
        return m_calendar.AddWorkingDays(from, count);
    }

    // The last day that still leaves `count` 日 before `deadline`.
    Day Before(Day deadline, int count, std::string& rule) const
    {
        const int more = m_plan.reading == Reading::MoreTime ? 1 : 0;
        const Day latest = deadline - days{count + more};
        rule += more ? "，截止当日不计入" : "，截止当日计入";
        rule += std::string("。另一读法（") + (more ? "截止当日计入" : "截止当日不计入") + "）：" +
                FormatDay(deadline - days{count + 1 - more});
        return latest;
    }

    std::string KindWord(Day day) const
    {
        return m_calendar.KindOf(day) == DayKind::Holiday ? "法定节假日" : "休息日";
    }

    // `rule` is taken by reference: read only once every argument, among them
    // the count that writes it, has been worked out.
    Milestone& Add(const char* stage, std::string work, std::optional<Day> day, Bound bound,
                   const std::string& rule, std::string article)
    {
        Milestone row{stage, std::move(work), day, bound, rule, std::move(article), {}};
        if (day) {
            const int year = static_cast<int>(std::chrono::year_month_day{*day}.year());
            if (!m_calendar.Knows(year)) {
                row.marks.push_back(std::to_string(year) + " 年节假日安排尚未公布，按周末计算");
            }
        }
        m_rows.push_back(std::move(row));
        return m_rows.back();
    }

    // A planned day checked against the earliest (or latest) day the rules allow.
    static void Check(Milestone& row, Day limit, bool earliest, const std::string& rule)
    {
        if (!row.day) {
            return;
        }
        if (earliest ? *row.day < limit : *row.day > limit) {
            row.marks.push_back("不符合“" + rule + "”：" + (earliest ? "最早为 " : "最迟为 ") +
                                FormatDay(limit));
            row.breaks = true;
        }
    }

    // A planned day before another it follows from.
    // Whether it was marked.
    static bool After(Milestone& row, Day earlier, const std::string& what)
    {
        if (row.day && *row.day < earlier) {
            row.marks.push_back("早于" + what + "（" + FormatDay(earlier) + "）");
            row.breaks = true;
            return true;
        }
        return false;
    }

    void MarkRestDay(Milestone& row, const char* what) const
    {
        if (row.day && !m_calendar.IsWorking(*row.day)) {
            row.marks.push_back(std::string(what) + "为" + KindWord(*row.day) +
                                "（法律未禁止，请确认）");
        }
    }

    const TimetablePlan& m_plan;
    const HolidayCalendar& m_calendar;
    std::vector<Milestone> m_rows;
};

// 投标截止 and what counts back from it, for both procedures.
Day Deadline(Builder& b, Day issued, const char* stage, std::string article)
{
    std::string rule = "自招标文件开始发出之日起至投标截止不少于 20 日；";
    const Day earliest = b.Forward(issued, 20, rule, true);
    b.Add(stage, "投标截止、开标（最早）", earliest, Bound::Earliest, rule, article);
    if (!b.m_plan.deadline) {
        b.MarkRestDay(b.m_rows.back(), "该日");
        return earliest;
    }
    Milestone& planned = b.Add(stage, "投标截止、开标（拟定）", b.m_plan.deadline, Bound::Planned,
                               "拟定的投标截止时间", article);
    if (!Builder::After(planned, b.m_plan.start, "开始日期")) {
        Builder::Check(planned, earliest, true, "不少于 20 日");
    }
    b.MarkRestDay(planned, "投标截止、开标日");
    return *b.m_plan.deadline;
}

void Engineering(Builder& b)
{
    const TimetablePlan& plan = b.m_plan;
    Day issued = plan.start;
    if (plan.prequalification) {
        b.Add("资格预审", "资格预审公告发布、资格预审文件开始发售", plan.start, Bound::Start,
              "起算日", "");
        std::string sale = "发售期不少于 5 日；";
        const Day saleEnd = b.Forward(plan.start, 5, sale);
        b.Add("资格预审", "资格预审文件停止发售（最早）", saleEnd, Bound::Earliest, sale,
              Article(kRegulation, "第十六条"));
        std::string submit = "自资格预审文件停止发售之日起不少于 5 日；";
        const Day submitted = b.Forward(saleEnd, 5, submit);
        b.Add("资格预审", "资格预审申请文件提交截止（最早）", submitted, Bound::Earliest, submit,
              Article(kRegulation, "第十七条"));
        std::string clarify = "在提交截止前至少 3 日，不足 3 日的应顺延提交截止时间";
        b.Add("资格预审", "资格预审文件澄清或修改（最迟）", b.Before(submitted, 3, clarify),
              Bound::Latest, clarify, Article(kRegulation, "第二十一条"));
        std::string object = "在提交截止 2 日前提出";
        const Day objectBy = b.Before(submitted, 2, object);
        object += "；招标人收到异议之日起 3 日内答复";
        b.Add("资格预审", "对资格预审文件提出异议（最迟）", objectBy, Bound::Latest, object,
              Article(kRegulation, "第二十二条"));
        if (plan.documentsIssued) {
            issued = *plan.documentsIssued;
            Milestone& row = b.Add("招标", "招标文件开始发售（拟定）", issued, Bound::Planned,
                                   "资格预审后发出招标文件", "");
            Builder::After(row, submitted, "资格预审申请文件提交截止");
        } else {
            issued = submitted;
            b.Add("招标", "招标文件开始发售（估算）", issued, Bound::Earliest,
                  "未给出招标文件发出日，按资格预审申请文件提交截止日估算", "");
        }
    } else {
        b.Add("招标", "招标公告发布、招标文件开始发售", plan.start, Bound::Start, "起算日", "");
    }
    std::string sale = "发售期不少于 5 日；";
    b.Add("招标", "招标文件停止发售（最早）", b.Forward(issued, 5, sale), Bound::Earliest, sale,
          Article(kRegulation, "第十六条"));
    const Day deadline = Deadline(b, issued, "投标", Article(kLaw, "第二十四条、第三十四条"));
    std::string clarify = "在投标截止前至少 15 日，不足 15 日的应顺延投标截止时间";
    b.Add("投标", "招标文件澄清或修改（最迟）", b.Before(deadline, 15, clarify), Bound::Latest,
          clarify, Article(kLaw, "第二十三条，") + Article(kRegulation, "第二十一条"));
    std::string object = "在投标截止 10 日前提出";
    const Day objectBy = b.Before(deadline, 10, object);
    object += "；招标人收到异议之日起 3 日内答复";
    b.Add("投标", "对招标文件提出异议（最迟）", objectBy, Bound::Latest, object,
          Article(kRegulation, "第二十二条"));

    if (plan.reportReceived) {
        Milestone& report =
            b.Add("评标", "收到评标报告", plan.reportReceived, Bound::Planned, "拟定", "");
        Builder::After(report, deadline, "投标截止");
        std::string start = "收到评标报告之日起 3 日内公示；";
        const Day latestStart = b.Forward(*plan.reportReceived, 3, start);
        b.Add("定标", "中标候选人公示开始（最迟）", latestStart, Bound::Latest, start,
              Article(kRegulation, "第五十四条"));
        std::string lasts = "公示期不少于 3 日，按收到报告当日开始公示；";
        b.Add("定标", "公示期满（最早）", b.Forward(*plan.reportReceived, 3, lasts),
              Bound::Earliest, lasts, Article(kRegulation, "第五十四条"));
    } else {
        b.Add("定标", "中标候选人公示", std::nullopt, Bound::RuleOnly,
              "收到评标报告之日起 3 日内公示，公示期不少于 3 日（给出收到评标报告日后计算）",
              Article(kRegulation, "第五十四条"));
    }
    b.Add("投标", "撤回投标的投标保证金退还", std::nullopt, Bound::RuleOnly,
          "自收到投标人书面撤回通知之日起 5 日内退还", Article(kRegulation, "第三十五条"));
    if (!plan.awardNotice) {
        b.Add("合同", "书面合同、书面报告、退还投标保证金", std::nullopt, Bound::RuleOnly,
              "中标通知书发出之日起 30 日内订立合同，15 日内提交书面报告，签订合同后 5 日内退还"
              "投标保证金（给出中标通知书发出日后计算）",
              Article(kLaw, "第四十六条、第四十七条，") + Article(kRegulation, "第五十七条"));
        return;
    }
    const Day notice = *plan.awardNotice;
    Milestone& award = b.Add("定标", "发出中标通知书", notice, Bound::Planned, "拟定", "");
    Builder::After(award, plan.reportReceived.value_or(deadline),
                   plan.reportReceived ? "收到评标报告" : "投标截止");
    std::string contract = "自中标通知书发出之日起 30 日内；";
    const Day signedBy = b.Forward(notice, 30, contract);
    b.Add("合同", "订立书面合同（最迟）", signedBy, Bound::Latest, contract,
          Article(kLaw, "第四十六条"));
    std::string report = "自确定中标人之日起 15 日内（按中标通知书发出日）；";
    b.Add("合同", "向有关行政监督部门提交书面报告（最迟）", b.Forward(notice, 15, report),
          Bound::Latest, report, Article(kLaw, "第四十七条"));
    std::string refund = "签订合同后 5 日内（按合同最迟订立日）；";
    b.Add("合同", "退还投标保证金及利息（最迟）", b.Forward(signedBy, 5, refund), Bound::Latest,
          refund, Article(kRegulation, "第五十七条"));
}

void Procurement(Builder& b)
{
    const TimetablePlan& plan = b.m_plan;
    b.Add("招标", "招标公告发布、招标文件开始提供", plan.start, Bound::Start, "起算日", "");
    std::string offer = "提供期限自开始之日起不少于 5 个工作日；";
    b.Add("招标", "招标文件提供期满（最早）", b.Working(plan.start, 5, offer), Bound::Earliest,
          offer, Article(kOrder87, "第十八条"));
    const Day deadline = Deadline(b, plan.start, "投标", Article(kProcurementLaw, "第三十五条"));
    std::string clarify = "在投标截止前至少 15 日，不足 15 日的应顺延投标截止时间";
    b.Add("投标", "招标文件澄清或修改（最迟）", b.Before(deadline, 15, clarify), Bound::Latest,
          clarify, Article(kOrder87, "第二十七条"));

    std::string report = "评审结束后 2 个工作日内（按开标当日评审结束）；";
    const Day reportBy = b.Working(deadline, 2, report);
    Day received = reportBy;
    if (plan.reportReceived) {
        received = *plan.reportReceived;
        Milestone& row = b.Add("评审", "评审报告送交采购人（拟定）", received, Bound::Planned,
                               report, Article(kProcurementRegulation, "第四十三条"));
        if (!Builder::After(row, deadline, "投标截止")) {
            Builder::Check(row, reportBy, false, "评审结束后 2 个工作日内");
        }
    } else {
        b.Add("评审", "评审报告送交采购人（最迟）", reportBy, Bound::Latest, report,
              Article(kProcurementRegulation, "第四十三条"));
    }
    std::string choose = "收到评审报告后 5 个工作日内；";
    const Day chosenBy = b.Working(received, 5, choose);
    b.Add("定标", "采购人确定中标人（最迟）", chosenBy, Bound::Latest, choose,
          Article(kProcurementRegulation, "第四十三条"));
    std::string publish = "确定中标人后 2 个工作日内；";
    const Day noticeBy = b.Working(chosenBy, 2, publish);
    Day notice = noticeBy;
    if (plan.awardNotice) {
        notice = *plan.awardNotice;
        Milestone& row =
            b.Add("定标", "发出中标通知书、公告中标结果（拟定）", notice, Bound::Planned, publish,
                  Article(kProcurementRegulation, "第四十三条"));
        if (!Builder::After(row, received, "评审报告送交")) {
            Builder::Check(row, noticeBy, false, "确定中标人后 2 个工作日内");
        }
    } else {
        b.Add("定标", "发出中标通知书、公告中标结果（最迟）", noticeBy, Bound::Latest, publish,
              Article(kProcurementRegulation, "第四十三条"));
    }
    std::string question = "知道或应知权益受损之日起 7 个工作日内（按结果公告之日起算）；";
    b.Add("质疑", "供应商提出质疑（最迟）", b.Working(notice, 7, question), Bound::Latest, question,
          Article(kProcurementLaw, "第五十二条"));
    b.Add("质疑", "答复质疑", std::nullopt, Bound::RuleOnly, "收到书面质疑后 7 个工作日内答复",
          Article(kProcurementLaw, "第五十三条"));
    std::string losing = "中标通知书发出之日起 5 个工作日内；";
    b.Add("合同", "退还未中标人投标保证金（最迟）", b.Working(notice, 5, losing), Bound::Latest,
          losing, Article(kProcurementRegulation, "第三十三条"));
    std::string contract = "自中标通知书发出之日起 30 日内；";
    const Day signedBy = b.Forward(notice, 30, contract);
    b.Add("合同", "签订政府采购合同（最迟）", signedBy, Bound::Latest, contract,
          Article(kProcurementLaw, "第四十六条"));
    std::string filed = "合同签订之日起 7 个工作日内（按合同最迟签订日）；";
    b.Add("合同", "合同报同级财政部门备案（最迟）", b.Working(signedBy, 7, filed), Bound::Latest,
          filed, Article(kProcurementLaw, "第四十七条"));
    std::string winner = "合同签订之日起 5 个工作日内（按合同最迟签订日）；";
    b.Add("合同", "退还中标人投标保证金（最迟）", b.Working(signedBy, 5, winner), Bound::Latest,
          winner, Article(kProcurementRegulation, "第三十三条"));
}

std::string CalendarWords(const HolidayCalendar& calendar)
{
    std::string words;
    for (const auto& [year, known] : calendar.years()) {
        words += (words.empty() ? "" : "；") + std::to_string(year) + " 年：" + known.source +
                 (known.builtIn ? "" : "（自行导入）");
    }
    return "节假日安排：" + words + "；其他年份只按周末计算。";
}

}  // namespace

Timetable WorkOutTimetable(const TimetablePlan& plan, const HolidayCalendar& calendar)
{
    Builder builder(plan, calendar);
    if (plan.procedure == Procedure::Engineering) {
        Engineering(builder);
    } else {
        Procurement(builder);
    }
    for (Milestone& row : builder.m_rows) {
        // trailing "；" of a rule whose count added nothing
        if (row.rule.size() >= 3 && row.rule.compare(row.rule.size() - 3, 3, "；") == 0) {
            row.rule.resize(row.rule.size() - 3);
        }
    }
    return {std::move(builder.m_rows), CalendarWords(calendar)};
}

const char* ProcedureName(Procedure procedure)
{
    return procedure == Procedure::Engineering ? "工程依法招标" : "政府采购公开招标";
}

const char* ReadingName(Reading reading)
{
    return reading == Reading::MoreTime ? "给投标人更多时间的读法" : "按条文字面的读法";
}

const char* BoundName(Bound bound)
{
    switch (bound) {
        case Bound::Start:
            return "起算";
        case Bound::Earliest:
            return "最早";
        case Bound::Latest:
            return "最迟";
        case Bound::Planned:
            return "拟定";
        case Bound::RuleOnly:
            break;
    }
    return "";
}

std::vector<Cells> TimetableCells(const Timetable& timetable)
{
    std::vector<Cells> cells{{"阶段", "工作内容", "日期", "星期", "期限与计算", "依据", "说明"}};
    for (const Milestone& row : timetable.rows) {
        std::string marks;
        for (const std::string& mark : row.marks) {
            marks += (marks.empty() ? "" : "；") + mark;
        }
        cells.push_back({row.stage, row.work, row.day ? FormatDay(*row.day) : "",
                         row.day ? WeekdayName(*row.day) : "", row.rule, row.article, marks});
    }
    return cells;
}

}  // namespace kelvora
