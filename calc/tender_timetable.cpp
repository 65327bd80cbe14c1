#include "calc/tender_timetable.h"

#include <chrono>
#include <utility>

#include "calc/legal_holidays.h"

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

// Who acts before a deadline counted back from it: the tenderer (澄清 leaves
// the bidders time after it) or the bidders themselves (异议).
enum class Actor { Tenderer, Bidders };

// The work of one timetable under one reading: the calendar and the rows so far.
class Builder {
public:
    Builder(const TimetablePlan& plan, const HolidayCalendar& calendar)
        : m_plan(plan), m_calendar(calendar)
    {
    }

    bool MoreTime() const { return m_plan.reading == Reading::MoreTime; }

    // A period of `count` 日 from `from`, its end moved past rest days and
    // holidays. With `clockTime`, the end is a time within its day, so the
    // day the period ends may itself be in it: the bidders' reading waits
    // for the next day. The reading is kept for the row added next.
    Day Forward(Day from, int count, std::string& rule, bool clockTime = false)
    {
        const int more = clockTime && MoreTime() ? 1 : 0;
        const Day end = from + days{count + more};
        const Day moved = m_calendar.WorkingOnOrAfter(end);
        rule += "自 " + FormatDay(from) + " 起算（当日不计）";
        if (moved != end) {
            rule += "；" + FormatDay(end) + " 为" + KindWord(end) + "，顺延至 " + FormatDay(moved);
        }
        if (clockTime) {
            m_reading = more ? "期满次日起方可截止（截止为当日某一时刻）" : "期满当日即可截止";
        }
        return moved;
    }

    // `count` 工作日 from `from`.
    Day Working(Day from, int count, std::string& rule) const
    {
        rule += "自 " + FormatDay(from) + " 起算（当日不计），只计工作日（含调休上班日）";
        return m_calendar.AddWorkingDays(from, count);
    }

    // The last day that still leaves `count` 日 before `deadline`: with the
    // deadline's day counted or not, whichever leaves the bidders more time
    // under this reading.
    Day Before(Day deadline, int count, Actor actor)
    {
        const bool countDeadline = (actor == Actor::Bidders) == MoreTime();
        m_reading = countDeadline ? "截止当日计入" : "截止当日不计入";
        return deadline - days{count + (countDeadline ? 0 : 1)};
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
        Milestone row{stage, std::move(work), day, bound,        rule, std::move(article),
                      {},    false,           {},  std::nullopt, {}};
        row.reading = std::exchange(m_reading, {});
        if (day) {
            const int year = static_cast<int>(std::chrono::year_month_day{*day}.year());
            if (m_calendar.KnowsByLaw(year)) {
                row.marks.push_back("该年调休安排尚未公布，已按法定节日计算");
            } else if (!m_calendar.Knows(year)) {
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

    // A planned day before another it follows from, with the first day that
    // keeps every rule where there is one. Whether it was marked.
    static bool After(Milestone& row, Day earlier, const std::string& what,
                      std::optional<Day> first = std::nullopt)
    {
        if (row.day && *row.day < earlier) {
            row.marks.push_back("早于" + what + "（" + FormatDay(earlier) + "）" +
                                (first ? "：最早为 " + FormatDay(*first) : std::string()));
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
    std::string m_reading;  // the reading of the rule of the row added next
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
    if (!Builder::After(planned, b.m_plan.start, "开始日期", earliest)) {
        Builder::Check(planned, earliest, true, "不少于 20 日");
    }
    b.MarkRestDay(planned, "投标截止、开标日");
    return *b.m_plan.deadline;
}

// The validity of the bids, where the clerk gives it.
void Validity(Builder& b, Day deadline, const char* stage, std::string article)
{
    const std::optional<int> days = b.m_plan.validityDays;
    if (!days) {
        b.Add(stage, "投标有效期届满", std::nullopt, Bound::RuleOnly,
              "投标有效期从提交投标文件的截止之日起算（给出有效期天数后计算）", article);
        return;
    }
    std::string rule = "投标有效期 " + std::to_string(*days) + " 日，从投标截止之日起算；";
    // the deadline's day itself counted (the regulation's words), or not (民法典 201)
    const bool counted = !b.MoreTime();
    const Day end = deadline + std::chrono::days{*days - (counted ? 1 : 0)};
    const Day moved = b.m_calendar.WorkingOnOrAfter(end);
    if (moved != end) {
        rule += FormatDay(end) + " 为" + b.KindWord(end) + "，顺延至 " + FormatDay(moved);
    }
    b.m_reading = counted ? "截止当日计入有效期" : "截止当日不计入（民法典第二百零一条）";
    b.Add(stage, "投标有效期届满", moved, Bound::Latest, rule, article);
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
        const Day submitted = b.Forward(saleEnd, 5, submit, true);
        b.Add("资格预审", "资格预审申请文件提交截止（最早）", submitted, Bound::Earliest, submit,
              Article(kRegulation, "第十七条"));
        const Day clarifyBy = b.Before(submitted, 3, Actor::Tenderer);
        b.Add("资格预审", "资格预审文件澄清或修改（最迟）", clarifyBy, Bound::Latest,
              "在提交截止前至少 3 日，不足 3 日的应顺延提交截止时间",
              Article(kRegulation, "第二十一条"));
        const Day objectBy = b.Before(submitted, 2, Actor::Bidders);
        b.Add("资格预审", "对资格预审文件提出异议（最迟）", objectBy, Bound::Latest,
              "在提交截止 2 日前提出", Article(kRegulation, "第二十二条"));
        std::string answer = "收到异议之日起 3 日内答复，作出答复前暂停招标投标活动；";
        b.Add("资格预审", "答复资格预审文件异议（最迟）", b.Forward(objectBy, 3, answer),
              Bound::Latest, answer, Article(kRegulation, "第二十二条"));
        if (plan.documentsIssued) {
            issued = *plan.documentsIssued;
            Milestone& row = b.Add("招标", "招标文件开始发售（拟定）", issued, Bound::Planned,
                                   "资格预审后发出招标文件", "");
            Builder::After(row, submitted, "资格预审申请文件提交截止", submitted);
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
    b.Add("投标", "招标文件澄清或修改（最迟）", b.Before(deadline, 15, Actor::Tenderer),
          Bound::Latest, "在投标截止前至少 15 日，不足 15 日的应顺延投标截止时间",
          Article(kLaw, "第二十三条，") + Article(kRegulation, "第二十一条"));
    const Day objectBy = b.Before(deadline, 10, Actor::Bidders);
    b.Add("投标", "对招标文件提出异议（最迟）", objectBy, Bound::Latest, "在投标截止 10 日前提出",
          Article(kRegulation, "第二十二条"));
    std::string answer = "收到异议之日起 3 日内答复，作出答复前暂停招标投标活动；";
    b.Add("投标", "答复招标文件异议（最迟）", b.Forward(objectBy, 3, answer), Bound::Latest, answer,
          Article(kRegulation, "第二十二条"));
    b.Add("投标", "撤回投标的投标保证金退还", std::nullopt, Bound::RuleOnly,
          "自收到投标人书面撤回通知之日起 5 日内退还", Article(kRegulation, "第三十五条"));
    Validity(b, deadline, "投标", Article(kRegulation, "第二十五条"));

    // the award follows the 公示 of the candidates: objections are raised
    // while it lasts and answered before anything goes on
    std::optional<Day> publicityEnd;
    if (plan.reportReceived) {
        Milestone& report =
            b.Add("评标", "收到评标报告", plan.reportReceived, Bound::Planned, "拟定", "");
        Builder::After(report, deadline, "投标截止", deadline);
        std::string start = "收到评标报告之日起 3 日内公示；";
        const Day latestStart = b.Forward(*plan.reportReceived, 3, start);
        b.Add("定标", "中标候选人公示开始（最迟）", latestStart, Bound::Latest, start,
              Article(kRegulation, "第五十四条"));
        std::string lasts = "公示期不少于 3 日，按收到报告当日开始公示；";
        publicityEnd = b.Forward(*plan.reportReceived, 3, lasts);
        b.Add("定标", "公示期满（最早）", publicityEnd, Bound::Earliest, lasts,
              Article(kRegulation, "第五十四条"));
        b.Add("定标", "对评标结果提出异议（最迟）", publicityEnd, Bound::Latest,
              "在中标候选人公示期间提出（按最早的公示期满日）", Article(kRegulation, "第五十四条"));
        std::string answered = "收到异议之日起 3 日内答复，作出答复前暂停招标投标活动；";
        b.Add("定标", "答复评标结果异议（最迟）", b.Forward(*publicityEnd, 3, answered),
              Bound::Latest, answered, Article(kRegulation, "第五十四条"));
    } else {
        b.Add("定标", "中标候选人公示", std::nullopt, Bound::RuleOnly,
              "收到评标报告之日起 3 日内公示，公示期不少于 3 日，期间可提出异议，招标人 3 日内"
              "答复（给出收到评标报告日后计算）",
              Article(kRegulation, "第五十四条"));
    }
    b.Add("投诉", "向行政监督部门投诉", std::nullopt, Bound::RuleOnly,
          "自知道或者应当知道之日起 10 日内；应先提出异议的事项，异议答复期间不计算在内",
          Article(kRegulation, "第六十条"));
    if (!plan.awardNotice) {
        b.Add("合同", "书面合同、书面报告、退还投标保证金", std::nullopt, Bound::RuleOnly,
              "中标通知书发出之日起 30 日内订立合同，15 日内提交书面报告，签订合同后 5 日内退还"
              "投标保证金（给出中标通知书发出日后计算）",
              Article(kLaw, "第四十六条、第四十七条，") + Article(kRegulation, "第五十七条"));
        return;
    }
    const Day notice = *plan.awardNotice;
    Milestone& award = b.Add("定标", "发出中标通知书", notice, Bound::Planned, "拟定", "");
    // the first lawful day: after the 公示 ends (of a report received the day
    // of the opening at the earliest, where no report day is given)
    std::string earliestRule = "公示期满（最早）";
    const Day end = publicityEnd ? *publicityEnd : b.Forward(deadline, 3, earliestRule);
    const Day firstLawful = end + days{1};
    if (!Builder::After(award, plan.reportReceived.value_or(deadline),
                        plan.reportReceived ? "收到评标报告" : "投标截止", firstLawful)) {
        Builder::Check(award, firstLawful, true,
                       publicityEnd ? "中标候选人公示期满后发出"
                                    : "中标候选人公示期满后发出（按开标当日收到评标报告估算）");
    }
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
    std::string offer = "招标公告、招标文件的公告（提供）期限自开始之日起不少于 5 个工作日；";
    const Day offered = b.Working(plan.start, 5, offer);
    b.Add("招标", "招标文件提供期满（最早）", offered, Bound::Earliest, offer,
          Article(kOrder87, "第十六条、第十八条"));
    std::string documents =
        "收到招标文件之日或招标文件公告期限届满之日起 7 个工作日内（按期满之日）；";
    const Day documentsBy = b.Working(offered, 7, documents);
    b.Add("质疑", "对招标文件提出质疑（最迟）", documentsBy, Bound::Latest, documents,
          Article(kProcurementLaw, "第五十二条，") + Article(kProcurementRegulation, "第五十三条"));
    std::string documentsAnswer = "收到书面质疑后 7 个工作日内答复；";
    b.Add("质疑", "答复招标文件质疑（最迟）", b.Working(documentsBy, 7, documentsAnswer),
          Bound::Latest, documentsAnswer, Article(kProcurementLaw, "第五十三条"));
    const Day deadline = Deadline(b, plan.start, "投标", Article(kProcurementLaw, "第三十五条"));
    b.Add("投标", "招标文件澄清或修改（最迟）", b.Before(deadline, 15, Actor::Tenderer),
          Bound::Latest, "在投标截止前至少 15 日，不足 15 日的应顺延投标截止时间",
          Article(kOrder87, "第二十七条"));
    Validity(b, deadline, "投标", Article(kOrder87, "第二十三条"));

    // 条例 43 counts from the end of the evaluation, which the plan does not
    // give: the latest day is worked out as if it ended at the opening
    std::string report = "评审结束后 2 个工作日内（按开标当日评审结束）；";
    const Day reportBy = b.Working(deadline, 2, report);
    Day received = reportBy;
    if (plan.reportReceived) {
        received = *plan.reportReceived;
        Milestone& row = b.Add("评审", "评审报告送交采购人（拟定）", received, Bound::Planned,
                               report, Article(kProcurementRegulation, "第四十三条"));
        if (!Builder::After(row, deadline, "投标截止", deadline) && received > reportBy) {
            row.marks.push_back("评审如在开标当日结束，最迟应于 " + FormatDay(reportBy) +
                                " 送交；计划未给出评审结束日，请确认");
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
        if (plan.reportReceived) {
            if (!Builder::After(row, received, "评审报告送交", received)) {
                Builder::Check(row, noticeBy, false, "确定中标人后 2 个工作日内");
            }
        } else {
            Builder::After(row, deadline, "投标截止", deadline);  // the report may come that day
        }
    } else {
        b.Add("定标", "发出中标通知书、公告中标结果（最迟）", noticeBy, Bound::Latest, publish,
              Article(kProcurementRegulation, "第四十三条"));
    }
    std::string shown = "中标结果公告期限为 1 个工作日；";
    const Day shownUntil = b.Working(notice, 1, shown);
    b.Add("定标", "中标结果公告期满", shownUntil, Bound::Latest, shown,
          Article(kOrder87, "第六十九条"));
    std::string question = "中标结果公告期限届满之日起 7 个工作日内；";
    const Day questionBy = b.Working(shownUntil, 7, question);
    b.Add("质疑", "对中标结果提出质疑（最迟）", questionBy, Bound::Latest, question,
          Article(kProcurementLaw, "第五十二条，") + Article(kProcurementRegulation, "第五十三条"));
    std::string answer = "收到书面质疑后 7 个工作日内答复；";
    const Day answerBy = b.Working(questionBy, 7, answer);
    b.Add("质疑", "答复中标结果质疑（最迟）", answerBy, Bound::Latest, answer,
          Article(kProcurementLaw, "第五十三条"));
    std::string complain = "答复期满后 15 个工作日内向同级政府采购监督管理部门投诉；";
    b.Add("投诉", "提起投诉（最迟）", b.Working(answerBy, 15, complain), Bound::Latest, complain,
          Article(kProcurementLaw, "第五十五条"));
    std::string losing = "中标通知书发出之日起 5 个工作日内；";
    b.Add("合同", "退还未中标人投标保证金（最迟）", b.Working(notice, 5, losing), Bound::Latest,
          losing, Article(kProcurementRegulation, "第三十三条"));
    std::string contract = "自中标通知书发出之日起 30 日内；";
    const Day signedBy = b.Forward(notice, 30, contract);
    b.Add("合同", "签订政府采购合同（最迟）", signedBy, Bound::Latest, contract,
          Article(kProcurementLaw, "第四十六条"));
    std::string announced = "合同签订之日起 2 个工作日内公告（按合同最迟签订日）；";
    b.Add("合同", "公告政府采购合同（最迟）", b.Working(signedBy, 2, announced), Bound::Latest,
          announced, Article(kProcurementRegulation, "第五十条"));
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
    std::string law;
    for (int year = kFirstLegalYear; year <= kLastLegalYear; ++year) {
        if (calendar.KnowsByLaw(year) &&
            (year == kFirstLegalYear || !calendar.KnowsByLaw(year - 1))) {
            int last = year;
            while (last < kLastLegalYear && calendar.KnowsByLaw(last + 1)) {
                ++last;
            }
            law += (law.empty() ? "" : "、") + std::to_string(year) +
                   (last > year ? "–" + std::to_string(last) : std::string()) + " 年";
        }
    }
    if (!law.empty()) {
        words +=
            "；" + law + "：调休安排尚未公布，按《全国年节及纪念日放假办法》规定的法定节日计算";
    }
    return "节假日安排：" + words + "；其他年份只按周末计算。";
}

std::vector<Milestone> Rows(const TimetablePlan& plan, const HolidayCalendar& calendar)
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
    return std::move(builder.m_rows);
}

}  // namespace

Timetable WorkOutTimetable(const TimetablePlan& plan, const HolidayCalendar& calendar)
{
    std::vector<Milestone> rows = Rows(plan, calendar);
    // the same plan under the other reading: the rows are the same, the days may differ
    TimetablePlan other = plan;
    other.reading = plan.reading == Reading::MoreTime ? Reading::Literal : Reading::MoreTime;
    const std::vector<Milestone> otherRows = Rows(other, calendar);
    for (std::size_t i = 0; i < rows.size() && i < otherRows.size(); ++i) {
        const Milestone& that = otherRows[i];
        if (rows[i].day && that.day && *that.day != *rows[i].day) {
            rows[i].other = that.day;
            rows[i].otherReading = that.reading;
        }
    }
    return {std::move(rows), CalendarWords(calendar)};
}

const char* ProcedureName(Procedure procedure)
{
    return procedure == Procedure::Engineering ? "工程依法招标" : "政府采购公开招标";
}

const char* ReadingName(Reading reading)
{
    return reading == Reading::MoreTime ? "给投标人更多时间的读法" : "给投标人时间较少的读法";
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

std::string RuleWords(const Milestone& row)
{
    std::string words = row.rule;
    if (!row.reading.empty()) {
        words += "（" + row.reading + "）";
    }
    if (row.other) {
        words += "。另一读法" +
                 (row.otherReading.empty() ? std::string("下") : "（" + row.otherReading + "）") +
                 "：" + FormatDay(*row.other);
    }
    return words;
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
                         row.day ? WeekdayName(*row.day) : "", RuleWords(row), row.article, marks});
    }
    return cells;
}

}  // namespace kelvora
