// The documents' table: each place offers the documents its source has, and a
// document cites the schedule its figures followed (the batch sheet under the
// agency's terms on the 2011 schedule cites 发改价格〔2011〕534号).

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>

#include "calc/calculators.h"
#include "calc/tender_fee.h"
#include "ui/documents/batch_sheet.h"
#include "ui/documents/documents.h"
#include "ui/sheet/sheet_render.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

using ui::DocumentOffer;

TEST(Documents, EachPlaceOffersWhatItsSourceHas)
{
    ui::AgencySettings settings;
    const Lots tender = LotsOf(TenderFeeCalculator(), "一\t6000\t工程招标\t否\n");
    const Lots period = LotsOf(*CalculatorById("period"), "一\t2009/2/6\t2010/2/6\n");
    CalculatorModel tenderPage(TenderFeeCalculator());
    CalculatorModel periodPage(*CalculatorById("period"));
    const TimetablePlan plan;
    const Timetable timetable;
    const struct {
        const char* what;
        ui::DocumentSource source;
        int offered;
    } cases[] = {
        {"the tender page: its sheet, printed, and its notice",
         ui::PageSource{tenderPage, settings}, 3},
        {"the period page: its sheet, printed", ui::PageSource{periodPage, settings}, 2},
        {"a tender batch: its sheet, printed, and notices",
         ui::BatchSource{tender.columns, tender.rows, {}, settings}, 3},
        {"a period batch", ui::BatchSource{period.columns, period.rows, {}, settings}, 2},
        {"the timetable", ui::TimetableSource{plan, timetable}, 2},
    };
    for (const auto& c : cases) {
        int offered = 0;
        for (const DocumentOffer& offer : ui::DocumentOffers()) {
            offered += ui::Offered(offer, c.source) ? 1 : 0;
        }
        EXPECT_EQ(offered, c.offered) << c.what;
    }
}

TEST(Documents, TheBatchSheetCitesTheScheduleItsTermsChose)
{
    ui::AgencySettings settings;
    const struct {
        const char* terms;
        const char* cited;
        const char* notCited;  // nullptr: nothing to leave out
    } cases[] = {
        {"schedule=2002", "计价格〔2002〕1980号", "发改价格〔2011〕534号"},
        {"schedule=2011;kind=share;percent=80", "发改价格〔2011〕534号", nullptr},
    };
    for (const auto& c : cases) {
        const Lots lots = LotsOf(TenderFeeCalculator(), "一\t60000\t工程招标\t否\n",
                                 *ReadFeeTerms(c.terms).terms);
        const QString html = ui::SheetHtml(
            ui::BatchSheetDraft(ui::BatchSource{lots.columns, lots.rows, {}, settings}).make({}));
        EXPECT_TRUE(html.contains(Q(c.cited))) << c.terms;
        EXPECT_TRUE(c.notCited == nullptr || !html.contains(Q(c.notCited))) << c.terms;
    }
}

// Documents one after another (a notice a lot) count their progress by
// documents, to the last of them.
TEST(Documents, TheProgressOfManyDocumentsEndsAtTheirCount)
{
    ui::SheetDocument first;
    first.title = "一";
    first.following.resize(4, first);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    std::pair<int, int> last{0, 0};
    ASSERT_TRUE(ui::PaintSheet(first, writer, [&](int done, int total) {
        last = {done, total};
        return true;
    }));
    EXPECT_EQ(last, std::make_pair(5, 5));
}

}  // namespace
}  // namespace kelvora::testing
