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
    const QString lotName =
        lot.header.lot.trimmed().isEmpty() ? QString() : lot.header.lot.trimmed();
    QString body =
        QStringLiteral("%1%2的招标代理工作已完成。根据%3%4，应收取招标代理服务费如下，由%5支付")
            .arg(project, lotName, lot.basis,
                 lot.terms.isEmpty() ? QString() : QStringLiteral("及约定的收费条件"), payer);
    body += agency.payment.trimmed().isEmpty()
                ? QStringLiteral("。")
                : QStringLiteral("，请于%1缴纳。").arg(agency.payment.trimmed());

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
    row(QStringLiteral("招标代理服务费"), lot.fee + QStringLiteral(" 万元"));
    if (lot.yuan) {
        row(QStringLiteral("小写"), ToQString(lot.yuan->Figures()));
        row(QStringLiteral("大写"), ToQString(lot.yuan->Capitals()));
    }
    row(QStringLiteral("收费依据"), lot.basis);
    row(QStringLiteral("收费条件"), lot.terms);

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
         {SheetLines{{{{QStringLiteral("致：") + to + QStringLiteral("：")}}}},
          SheetText{QString(), {body}}, facts}});
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
        return {problem, {}, {}};
    }
    const AgencyDetails agency = settings.agency();
    if (const QString missing = NoticeProblem(agency); !missing.isEmpty()) {
        return {missing, {}, {}};
    }
    // the fee asked for: the last money result shown (the fee to charge where
    // the terms differ from the standard)
    NoticeLot lot;
    for (const CalculatorStep* step : steps) {
        if (IsMoney(*step)) {
            const StepOutcome& shown = *model.Shown(step->result);
            lot.fee = ToQString(shown.caption);
            lot.yuan = shown.money;
        }
        for (const CalculatorInput& input : step->inputs) {
            if (input.kind == InputKind::Amount && lot.amount.isEmpty()) {
                lot.amount = InputValue(model, input);
            }
        }
    }
    lot.terms = TermsShown(model, steps);
    lot.basis = ToQString(model.Schedule().standard);
    const QDate today = QDate::currentDate();
    return {{},
            DatedFileName(QString::fromUtf8(kNoticeName), today),
            [lot, agency, today](const SheetHeader& header) {
                NoticeLot headed = lot;
                headed.header = header;
                headed.payer = BidderPays(agency) ? header.bidder : header.client;
                return FeeNotices({headed}, agency, today);
            }};
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
        return {missing, {}, {}};
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
        if (row.state != RowState::Counted || !row.hasMoney || row.worked == 0) {
            left << QString::number(r + 1);
            continue;
        }
        NoticeLot lot;
        lot.yuan = row.money();
        lot.basis = basis;
        lot.terms = termsWords;
        for (const BatchColumn& column : columns.list) {
            const QString cell = ToQString(CellText(column, row, true));
            if (column.source == ColumnSource::Lot) {
                lot.header.lot = cell;
            } else if (column.source == ColumnSource::Input &&
                       column.input->kind == InputKind::Amount && lot.amount.isEmpty()) {
                lot.amount = cell + QStringLiteral(" ") + ToQString(column.input->unit);
            } else if (column.source == ColumnSource::Kept && IsBidderColumn(column.header)) {
                lot.payer = cell;
            } else if (column.source == ColumnSource::Result) {
                lot.fee = cell;  // the last result column: the fee asked for
            }
        }
        lots.push_back(std::move(lot));
    }
    if (lots.empty()) {
        return {QStringLiteral("没有可开具收费通知书的标段：有疑问或计算失败的行不开具。"), {}, {}};
    }
    const QDate today = QDate::currentDate();
    return {{},
            DatedFileName(QString::fromUtf8(kNoticeName), today),
            [lots, agency, today, left](const SheetHeader& header) {
                std::vector<NoticeLot> headed = lots;
                for (NoticeLot& lot : headed) {
                    const QString lotName = lot.header.lot;
                    lot.header = header;
                    lot.header.lot = lotName.isEmpty() ? header.lot : lotName;
                    if (lot.payer.isEmpty()) {
                        lot.payer = BidderPays(agency) ? header.bidder : header.client;
                    }
                }
                SheetDocument notices = FeeNotices(headed, agency, today);
                if (!left.isEmpty()) {
                    // said under the last notice
                    SheetDocument& last =
                        notices.following.empty() ? notices : notices.following.back();
                    last.footnote = QStringLiteral("第 %1 行有疑问或计算失败，未开具通知书。")
                                        .arg(left.join(QStringLiteral("、")));
                }
                return notices;
            }};
}

}  // namespace kelvora::ui
