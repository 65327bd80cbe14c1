#include "ui/documents/timetable_sheet.h"

#include "ui/common/qt_text.h"
#include "ui/documents/page_sheet.h"

namespace kelvora::ui {

SheetDocument TimetableSheet(const TimetablePlan& plan, const Timetable& timetable)
{
    SheetDocument sheet;
    sheet.title = QStringLiteral("招标时间安排表");
    sheet.landscape = true;
    sheet.made = QDate::currentDate();
    SheetLines basis;
    basis.lines.push_back(
        {{QStringLiteral("招标方式：") + ToQString(ProcedureName(plan.procedure)) +
          (plan.prequalification ? QStringLiteral("，资格预审") : QStringLiteral("，资格后审"))}});
    basis.lines.push_back(
        {{QStringLiteral("两可条文的读法：") + ToQString(ReadingName(plan.reading)) +
          QStringLiteral("（另一读法的日期列在“期限与计算”中）")}});
    if (plan.validityDays) {
        basis.lines.push_back({{QStringLiteral("投标有效期：%1 日").arg(*plan.validityDays)}});
    }
    basis.lines.push_back(
        {{QStringLiteral("期限计算：起算当日不计入，期满日为法定休假日的顺延至其后"
                         "第一个工作日（《民法典》第二百零一条至第二百零四条）；"
                         "工作日只计工作日（含调休上班日）。")}});
    sheet.sections.push_back({QStringLiteral("一、招标方式与计算方法"), {basis}});
    SheetTable table;
    const std::vector<Cells> cells = TimetableCells(timetable);
    for (const std::string& cell : cells.front()) {
        table.columns << ToQString(cell);
    }
    for (std::size_t r = 1; r < cells.size(); ++r) {
        QStringList row;
        for (const std::string& cell : cells[r]) {
            row << ToQString(cell);
        }
        table.rows.push_back(row);
    }
    table.widths = {6, 15, 9, 6, 32, 16, 16};
    table.whole = {false, false, true, true, false, false, false};
    sheet.sections.push_back({QStringLiteral("二、时间安排"), {table}});
    sheet.sections.push_back(
        {QStringLiteral("三、节假日安排"), {SheetText{{}, {ToQString(timetable.calendar)}}}});
    sheet.footnote = QStringLiteral(
        "本表由 Kelvora 按法定最短期限计算，供安排招标工作参考；"
        "各地另有规定的，从其规定。");
    return sheet;
}

SheetDraft TimetableSheetDraft(const DocumentSource& source)
{
    const auto& [plan, timetable] = std::get<TimetableSource>(source);
    SheetDocument sheet = TimetableSheet(plan, timetable);
    const QString name = DatedFileName(sheet.title, sheet.made);
    return {{}, name, [sheet = std::move(sheet)](const SheetHeader& header) {
                SheetDocument headed = sheet;
                headed.header = header;
                return headed;
            }};
}

}  // namespace kelvora::ui
