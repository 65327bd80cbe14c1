#include "ui/documents/documents.h"

#include <array>

#include "ui/documents/batch_sheet.h"
#include "ui/documents/fee_notice.h"
#include "ui/documents/page_sheet.h"
#include "ui/documents/timetable_sheet.h"

namespace kelvora::ui {
namespace {

using P = DocumentPlace;
using O = DocumentOutput;

// clang-format off
constexpr std::array kOffers{
    //            place          output    text                          keys                   offered           draft
    DocumentOffer{P::Page,       O::Pdf,   "导出计算书（PDF）…",          Qt::CTRL | Qt::Key_S,  nullptr,          &PageSheetDraft},
    DocumentOffer{P::Page,       O::Print, "打印计算书…",                 Qt::CTRL | Qt::Key_P,  nullptr,          &PageSheetDraft},
    DocumentOffer{P::Page,       O::Pdf,   "收费通知书（PDF）…",          Qt::CTRL | Qt::Key_N,  &HasPageNotice,   &PageNoticeDraft},
    DocumentOffer{P::Batch,      O::Pdf,   "导出计算书…",                 Qt::CTRL | Qt::Key_S,  nullptr,          &BatchSheetDraft},
    DocumentOffer{P::Batch,      O::Print, "打印…",                       Qt::CTRL | Qt::Key_P,  nullptr,          &BatchSheetDraft},
    DocumentOffer{P::Batch,      O::Pdf,   "收费通知书…",                 Qt::CTRL | Qt::Key_N,  &HasBatchNotices, &BatchNoticesDraft},
    DocumentOffer{P::Timetable,  O::Pdf,   "导出时间安排表（PDF）…",      Qt::CTRL | Qt::Key_S,  nullptr,          &TimetableSheetDraft},
    DocumentOffer{P::Timetable,  O::Print, "打印…",                       Qt::CTRL | Qt::Key_P,  nullptr,          &TimetableSheetDraft},
};
// clang-format on

DocumentPlace PlaceOf(const DocumentSource& source)
{
    return std::holds_alternative<PageSource>(source)    ? DocumentPlace::Page
           : std::holds_alternative<BatchSource>(source) ? DocumentPlace::Batch
                                                         : DocumentPlace::Timetable;
}

}  // namespace

std::span<const DocumentOffer> DocumentOffers()
{
    return kOffers;
}

QString ExportSheetText()
{
    return QString::fromUtf8(kOffers.front().text);
}

bool Offered(const DocumentOffer& offer, const DocumentSource& source)
{
    return offer.place == PlaceOf(source) && (offer.offered == nullptr || offer.offered(source));
}

void MakeDocument(QWidget& parent, const DocumentOffer& offer, const DocumentSource& source)
{
    if (!Offered(offer, source)) {
        return;
    }
    const SheetDraft draft = offer.draft(source);
    if (offer.output == DocumentOutput::Print) {
        PrintSheet(parent, draft);
    } else {
        ExportSheet(parent, draft);
    }
}

}  // namespace kelvora::ui
