#pragma once
// The fee notice (收费通知书) of a lot, one a payer can check: to whom, for
// which project and lot, the winning amount in the unit it was given in, the
// 服务类型, the standard fee by the schedule named, the agency's terms in words
// and the fee they give, in 万元 with the digits of its 分 beside its 小写 and
// 大写, how and by when to pay as the agency wrote it, the account, the
// contact and room for the agency's seal; one A4 page each, many in one
// document. Drafted for the page's lot or for the lots of a batch, from their
// typed figures; what was left out is said to whoever makes the notices,
// never on a notice.
//
//   PageSource | BatchSource --NoticeLot[]--> FeeNotices --> SheetDocument

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "calc/money.h"
#include "ui/common/agency_settings.h"
#include "ui/documents/document_source.h"
#include "ui/sheet/sheet_output.h"

namespace kelvora::ui {

struct NoticeLot {
    QString payer;       // to whom: a name, or empty for the payer's role alone
    SheetHeader header;  // project, its number, the lot, the tenderer
    QString amount;  // 中标金额 in 万元, with the 元 given beside it where it was given so
    QString type;    // 服务类型
    Money standard;  // the standard fee by the schedule, to the 分
    QString standardShown;  // the standard fee as its page shows it (two decimals), or empty
    QString terms;          // the agency's terms in words, or empty for the standard ones
    Money fee;              // the fee asked for, to the 分
    QString basis;          // the standard the fee follows
};

// Why no notice can be made for `agency` ("请先填写收款账户"), or empty.
QString NoticeProblem(const AgencyDetails& agency);

// One notice per lot, each on its own page.
SheetDocument FeeNotices(const std::vector<NoticeLot>& lots, const AgencyDetails& agency,
                         QDate made);

// An amount in 万元 as a paper states it: the digits of its 分, "12.118984 万元".
QString WanWords(Money money);

// Whether the page's fee is asked for by a fee notice (the tender fee), and
// the notice of its lot under the agency's saved details: why it cannot be
// made now (a grey result, no account), or how to make it under a header
// (its 招标人 or 中标人 the addressee, as the agency's payer says).
bool HasPageNotice(const DocumentSource& source);
SheetDraft PageNoticeDraft(const DocumentSource& source);

// The same for each lot of a batch worked out without doubt (those chosen,
// where some are), one per page.
bool HasBatchNotices(const DocumentSource& source);
SheetDraft BatchNoticesDraft(const DocumentSource& source);

}  // namespace kelvora::ui
