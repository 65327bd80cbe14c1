#pragma once
// The fee notice (收费通知书) of a lot: to whom, for which project and lot,
// the fee in 万元 and to the 分 in yuan with its 大写, the rule and terms it
// follows, how and by when to pay, the account, the contact and room for the
// agency's seal; one A4 page each, many in one document. Drafted for the
// page's lot or for the lots of a batch, from their typed figures.
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
    QString payer;              // to whom: a name, or empty for the payer's role alone
    SheetHeader header;         // project, its number, the lot, the tenderer
    QString amount;             // 中标金额 as shown, with its unit
    QString fee;                // the fee in 万元 as shown
    std::optional<Money> yuan;  // its yuan to the 分, for 小写 and 大写
    QString basis;              // the standard the fee follows
    QString terms;              // the agency's terms in words, or empty
};

// Why no notice can be made for `agency` ("请先填写收款账户"), or empty.
QString NoticeProblem(const AgencyDetails& agency);

// One notice per lot, each on its own page.
SheetDocument FeeNotices(const std::vector<NoticeLot>& lots, const AgencyDetails& agency,
                         QDate made);

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
