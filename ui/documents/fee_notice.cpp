#include "ui/documents/fee_notice.h"

#include <algorithm>

#include "ui/common/qt_text.h"
#include "ui/documents/page_sheet.h"

namespace kelvora::ui {
namespace {

constexpr const char* kTitle = "招标代理服务费收费通知书";

SheetDocument Notice(const NoticeLot& lot, const AgencyDetails& agency, QDate made)
{
    SheetDocument notice;
    notice.title = QString::fromUtf8(kTitle);
    notice.made = made;
    notice.signLines = false;
    notice.madeAtHead = false;
    const QString payer = agency.payer.isEmpty() ? QStringLiteral("招标人") : agency.payer;
    const QString to = lot.payer.trimmed().isEmpty() ? payer : lot.payer.trimmed();
    const QString project = lot.header.project.trimmed().isEmpty()
                                ? QStringLiteral("本项目")
                                : QStringLiteral("“%1”").arg(lot.header.project.trimmed());
    const QString lotName = lot.header.lot.trimmed();
    const QString body =
        QStringLiteral("%1%2的招标代理工作已完成。根据%3%4，应收取招标代理服务费如下，由%5支付。")
            .arg(project, lotName, lot.basis,
                 lot.terms.isEmpty() ? QString() : QStringLiteral("及约定的收费条件"), payer);

    SheetTable facts;
    facts.widths = {30, 70};
    const auto row = [&facts](const QString& name, const QString& value) {
        if (!value.trimmed().isEmpty()) {
            facts.rows.push_back({name, value.trimmed()});
        }
    };
    row(QStringLiteral("项目名称"), lot.header.project);
    row(QStringLiteral("项目编号"), lot.header.projectNumber);
    row(QStringLiteral("标段"), lot.header.lot);
    row(QStringLiteral("招标人"), lot.header.client);
    row(QStringLiteral("中标金额"), lot.amount);
    row(QStringLiteral("服务类型"), lot.type);
    QString standard = WanWords(lot.standard);
    if (!lot.standardShown.isEmpty() && lot.standardShown != ToQString(lot.standard.WanText())) {
        standard += QStringLiteral("（页面按两位小数显示为 %1 万元）").arg(lot.standardShown);
    }
    row(QStringLiteral("标准收费"), standard);
    row(QStringLiteral("收费条件"), lot.terms.isEmpty() ? QStringLiteral("按标准收取") : lot.terms);
    row(QStringLiteral("招标代理服务费"), WanWords(lot.fee));
    row(QStringLiteral("小写"), ToQString(lot.fee.Figures()));
    row(QStringLiteral("大写"), ToQString(lot.fee.Capitals()));
    row(QStringLiteral("收费依据"), lot.basis);
    row(QStringLiteral("缴费期限"), agency.payment);

    SheetTable account;
    account.widths = {30, 70};
    for (const AgencyField& field : kAgencyFields) {
        const QString value = (agency.*field.value).trimmed();
        const bool paid = field.value == &AgencyDetails::accountName ||
                          field.value == &AgencyDetails::bank ||
                          field.value == &AgencyDetails::account;
        if (paid && !value.isEmpty()) {
            account.rows.push_back({QString::fromUtf8(field.name), value});
        }
    }
    SheetLines contact;
    for (const AgencyField& field : kAgencyFields) {
        const bool said = field.value == &AgencyDetails::contact ||
                          field.value == &AgencyDetails::phone ||
                          field.value == &AgencyDetails::address;
        if (said && !(agency.*field.value).trimmed().isEmpty()) {
            contact.lines.push_back({{QString::fromUtf8(field.name) + QStringLiteral("：") +
                                      (agency.*field.value).trimmed()}});
        }
    }
    SheetLines seal;
    seal.right = true;
    seal.lines.push_back({{QString()}});
    seal.lines.push_back({{(agency.name.trimmed().isEmpty() ? QStringLiteral("招标代理机构")
                                                            : agency.name.trimmed()) +
                               QStringLiteral("（盖章）"),
                           true}});
    seal.lines.push_back(
        {{QStringLiteral("%1年%2月%3日").arg(made.year()).arg(made.month()).arg(made.day())}});

    notice.sections.push_back(
        {QString(),
         {SheetLines{{{{QStringLiteral("致：") + to}}}}, SheetText{QString(), {body}}, facts}});
    notice.sections.push_back({QStringLiteral("缴费账户"), {account}});
    if (!contact.lines.empty()) {
        notice.sections.push_back({QStringLiteral("联系方式"), {contact}});
    }
    notice.sections.push_back({QString(), {seal}});
    return notice;
}

}  // namespace

QString NoticeProblem(const AgencyDetails& agency)
{
    QStringList missing;
    for (const AgencyField& field : kAgencyFields) {
        const bool paid = field.value == &AgencyDetails::accountName ||
                          field.value == &AgencyDetails::bank ||
                          field.value == &AgencyDetails::account;
        if (paid && (agency.*field.value).trimmed().isEmpty()) {
            missing << QString::fromUtf8(field.name);
        }
    }
    return missing.isEmpty()
               ? QString()
               : QStringLiteral("收费通知书需写明缴费账户：请先在“收费条件（Ctrl+T）”中填写%1。")
                     .arg(missing.join(QStringLiteral("、")));
}

QString WanWords(Money money)
{
    return ToQString(money.WanText()) + QStringLiteral(" 万元");
}

SheetDocument FeeNotices(const std::vector<NoticeLot>& lots, const AgencyDetails& agency,
                         QDate made)
{
    if (lots.empty()) {
        return {};
    }
    SheetDocument first = Notice(lots.front(), agency, made);
    for (std::size_t i = 1; i < lots.size(); ++i) {
        first.following.push_back(Notice(lots[i], agency, made));
    }
    return first;
}

namespace {

constexpr const char* kNoticeName = "招标代理服务费收费通知书";

// A column a spreadsheet names the winning bidder by, whom a notice may go to.
bool IsBidderColumn(const std::string& header)
{
    for (const char* name : {"中标人", "中标单位", "成交人", "成交单位", "中标供应商", "供应商"}) {
        if (header == name) {
            return true;
        }
    }
    return false;
}

bool BidderPays(const AgencyDetails& agency)
{
    return agency.payer == QString::fromUtf8(kPayers[1]);
}

}  // namespace

// The notice's file: "招标代理服务费收费通知书-第二标段-2026-12-08.pdf" for one
// lot that is named, without the lot otherwise.
QString NoticeFileName(const QString& lot, QDate day)
{
    const QString name = QString::fromUtf8(kNoticeName);
    return DatedFileName(lot.trimmed().isEmpty() ? name : name + QLatin1Char('-') + lot.trimmed(),
                         day);
}

bool HasPageNotice(const DocumentSource& source)
{
    const auto* page = std::get_if<PageSource>(&source);
    return page != nullptr && page->model.calculator().notice;
}

SheetDraft PageNoticeDraft(const DocumentSource& source)
{
    const auto& [model, settings] = std::get<PageSource>(source);
    QString problem;
    const auto steps = ShownSteps(model, problem);
    if (!problem.isEmpty()) {
        return {problem, {}, {}, QStringLiteral("收费通知书")};
    }
    const AgencyDetails agency = settings.agency();
    if (const QString missing = NoticeProblem(agency); !missing.isEmpty()) {
        return {missing, {}, {}, QStringLiteral("收费通知书")};
    }
    // the standard fee (the first money result), and the fee asked for: the
    // last money result shown (the fee to charge where the terms differ)
    NoticeLot lot;
    bool standard = false;
    for (const CalculatorStep* step : steps) {
        const StepOutcome& shown = *model.Shown(step->result);
        if (!IsMoney(*step) || !shown.money) {
            continue;
        }
        if (!standard) {
            standard = true;
            lot.standard = *shown.money;
            lot.standardShown = ToQString(shown.caption);
        }
        lot.fee = *shown.money;
        for (const CalculatorInput& input : step->inputs) {
            if (input.kind == InputKind::Amount && lot.amount.isEmpty()) {
                lot.amount = InputValue(model, input);
            } else if (input.kind == InputKind::Choice && lot.type.isEmpty()) {
                lot.type = ToQString(model.inputs().Text(input.control));
            }
        }
    }
    if (!standard) {
        return {QStringLiteral("金额过大，无法写成大写金额，不能开具收费通知书。"),
                {},
                {},
                QStringLiteral("收费通知书")};
    }
    lot.terms = TermsShown(model, steps);
    lot.basis = ToQString(model.Schedule().standard);
    const QDate today = QDate::currentDate();
    SheetDraft draft{{},
                     NoticeFileName({}, today),
                     [lot, agency, today](const SheetHeader& header) {
                         NoticeLot headed = lot;
                         headed.header = header;
                         headed.payer = BidderPays(agency) ? header.bidder : header.client;
                         return FeeNotices({headed}, agency, today);
                     },
                     QStringLiteral("收费通知书")};
    draft.nameFor = [today](const SheetHeader& header) {
        return NoticeFileName(header.lot, today);
    };
    return draft;
}

bool HasBatchNotices(const DocumentSource& source)
{
    const auto* batch = std::get_if<BatchSource>(&source);
    return batch != nullptr && batch->columns.calculator->notice;
}

SheetDraft BatchNoticesDraft(const DocumentSource& source)
{
    const auto& batch = std::get<BatchSource>(source);
    const AgencyDetails agency = batch.settings.agency();
    if (const QString missing = NoticeProblem(agency); !missing.isEmpty()) {
        return {missing, {}, {}, QStringLiteral("收费通知书")};
    }
    const BatchColumns& columns = batch.columns;
    std::vector<std::size_t> chosen = batch.chosen;
    if (chosen.empty()) {
        for (std::size_t row = 0; row < batch.rows.size(); ++row) {
            chosen.push_back(row);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    const FeeTerms& terms = columns.terms;
    const QString termsWords =
        ChargesOtherThanStandard(terms) ? ToQString(TermsWords(terms)) : QString();
    const QString basis = ToQString(ScheduleOf(*columns.calculator, terms).standard);
    std::vector<NoticeLot> lots;
    QStringList left;
    for (std::size_t r : chosen) {
        const BatchRow& row = batch.rows[r];
        const auto standard = row.worked > 0 ? MoneyOfFigure(row.figures[0]) : std::nullopt;
        if (row.state != RowState::Counted || !row.hasMoney || !standard) {
            left << QString::number(r + 1);
            continue;
        }
        NoticeLot lot;
        lot.fee = *row.money();
        lot.standard = *standard;
        lot.standardShown = ToQString(columns.results.front()->figure.text(row.figures[0]));
        lot.basis = basis;
        lot.terms = termsWords;
        for (const BatchColumn& column : columns.list) {
            const QString cell = ToQString(CellText(column, row, true));
            if (column.source == ColumnSource::Lot) {
                lot.header.lot = cell;
            } else if (column.source == ColumnSource::Input &&
                       column.input->kind == InputKind::Amount && lot.amount.isEmpty()) {
                lot.amount = ToQString(AmountInWords(column, row));
            } else if (column.source == ColumnSource::Input &&
                       column.input->kind == InputKind::Choice && lot.type.isEmpty()) {
                lot.type = ToQString(ChoiceOf(column, row));
            } else if (column.source == ColumnSource::Kept && IsBidderColumn(column.header) &&
                       BidderPays(agency)) {
                lot.payer = cell;
            }
        }
        lots.push_back(std::move(lot));
    }
    if (lots.empty()) {
        return {QStringLiteral("没有可开具收费通知书的标段：有疑问或计算失败的行不开具。"),
                {},
                {},
                QStringLiteral("收费通知书")};
    }
    const QDate today = QDate::currentDate();
    const QString oneLot = lots.size() == 1 ? lots.front().header.lot : QString();
    SheetDraft draft{{},
                     NoticeFileName(oneLot, today),
                     [lots, agency, today](const SheetHeader& header) {
                         std::vector<NoticeLot> headed = lots;
                         for (NoticeLot& lot : headed) {
                             const QString lotName = lot.header.lot;
                             lot.header = header;
                             lot.header.lot = lotName.isEmpty() ? header.lot : lotName;
                             if (lot.payer.isEmpty()) {
                                 lot.payer = BidderPays(agency) ? header.bidder : header.client;
                             }
                         }
                         return FeeNotices(headed, agency, today);
                     },
                     QStringLiteral("收费通知书")};
    if (!left.isEmpty()) {
        // said to whoever makes the notices, never on a notice
        draft.said = QStringLiteral("已开具 %1 份收费通知书；第 %2 行有疑问或计算失败，未开具。")
                         .arg(lots.size())
                         .arg(left.join(QStringLiteral("、")));
    }
    return draft;
}

}  // namespace kelvora::ui
