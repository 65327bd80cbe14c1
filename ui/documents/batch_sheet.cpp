#include "ui/documents/batch_sheet.h"

#include <algorithm>

#include "ui/common/qt_text.h"

namespace kelvora::ui {
namespace {

SheetDocument BatchSheet(const BatchSource& batch)
{
    const BatchColumns& columns = batch.columns;
    const Calculator& calculator = *columns.calculator;
    SheetDocument sheet;
    sheet.title = ToQString(calculator.title) + QStringLiteral("（多标段）");
    sheet.landscape = true;
    sheet.lotInHeader = false;
    sheet.made = QDate::currentDate();
    SheetSection lots;
    // the schedule the figures followed, the one the terms name
    if (const FeeSchedule& schedule = ScheduleOf(calculator, columns.terms);
        !schedule.standard.empty()) {
        lots.blocks.emplace_back(
            SheetText{{}, {QStringLiteral("计算依据：") + ToQString(schedule.standard)}});
    }
    // the agency's terms, where the fee follows them
    const bool follows = std::any_of(columns.results.begin(), columns.results.end(),
                                     [](const CalculatorStep* step) { return step->followsTerms; });
    if (follows && ChargesOtherThanStandard(columns.terms)) {
        lots.blocks.emplace_back(
            SheetText{{}, {QStringLiteral("收费条件：") + ToQString(TermsWords(columns.terms))}});
    }
    QStringList yuan;
    for (const BatchColumn& column : columns.list) {
        if (column.inYuan) {
            yuan << ToQString(column.input->name);
        }
    }
    if (!yuan.isEmpty()) {
        lots.blocks.emplace_back(
            SheetText{{},
                      {yuan.join(QStringLiteral("、")) +
                       QStringLiteral("按元填写，计算时换算为万元（除以 10000）。")}});
    }
    SheetTable rows;
    for (const BatchColumn& column : columns.list) {
        rows.columns << ToQString(column.header);
        // figures and amounts given stand on one line
        rows.figures.push_back(IsNumeric(column.type) && column.source != ColumnSource::Kept);
        rows.whole.push_back(column.source == ColumnSource::Capitals);
    }
    for (const BatchRow& row : batch.rows) {
        QStringList cells;
        for (const BatchColumn& column : columns.list) {
            cells << ToQString(FileText(column, row, true));
        }
        rows.rows.push_back(std::move(cells));
    }
    if (columns.money) {
        const BatchTotal total = TotalOf(columns, batch.rows);
        QStringList cells;
        for (const BatchColumn& column : columns.list) {
            cells << ToQString(TotalText(column, total));
        }
        rows.rows.push_back(std::move(cells));
        rows.strongRows = 1;
    }
    lots.blocks.emplace_back(std::move(rows));
    sheet.sections.push_back(std::move(lots));
    sheet.footnote = QStringLiteral("本计算书由 Kelvora " KELVORA_VERSION
                                    " 按上列输入计算得出，仅作参考，以合同约定为准。");
    return sheet;
}

}  // namespace

QString BatchName(const Calculator& calculator)
{
    QString title = ToQString(calculator.title);
    title.remove(QStringLiteral("计算书"));
    return title;
}

QString BatchFileName(const Calculator& calculator, const QString& suffix, QDate day)
{
    return BatchName(calculator) + QStringLiteral("批量计算-") + day.toString(Qt::ISODate) +
           QLatin1Char('.') + suffix;
}

SheetDraft BatchSheetDraft(const DocumentSource& source)
{
    SheetDocument sheet = BatchSheet(std::get<BatchSource>(source));
    const QString name =
        BatchFileName(*std::get<BatchSource>(source).columns.calculator, "pdf", sheet.made);
    return {{}, name, [sheet = std::move(sheet)](const SheetHeader& header) {
                SheetDocument headed = sheet;
                headed.header = header;
                return headed;
            }};
}

}  // namespace kelvora::ui
