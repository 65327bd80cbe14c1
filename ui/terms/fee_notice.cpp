#include "ui/terms/fee_notice.h"

#include "calc/yuan_amount.h"
#include "ui/common/qt_text.h"

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
        row(QStringLiteral("小写"), ToQString(YuanFigures(*lot.yuan)));
        row(QStringLiteral("大写"), ToQString(YuanCapitals(*lot.yuan)));
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

}  // namespace kelvora::ui
