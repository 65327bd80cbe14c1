#include "ui/binding/calculation_sheet.h"

#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTabWidget>
#include <QTextDocument>
#include <vector>

#include "calc/calculators.h"
#include "calc/coefficient_tables.h"
#include "calc/input_check.h"
#include "calc/yuan_amount.h"
#include "ui/binding/shown_value.h"
#include "ui/binding/stale_tracker.h"
#include "ui/binding/widget_controls.h"
#include "ui/common/qt_text.h"
#include "ui/layout/control_table.h"
#include "ui/sheet/sheet_document.h"
#include "ui/widgets/coefficient_list.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

// The calculator of the window's current page, or nullptr.
const Calculator* CurrentCalculator(const ControlLookup& find)
{
    const auto* tabs = qobject_cast<const QTabWidget*>(find(role::kTabs));
    if (tabs == nullptr) {
        return nullptr;
    }
    for (const Calculator* calculator : Calculators()) {
        if (PageOf(calculator->frame) == tabs->currentIndex()) {
            return calculator;
        }
    }
    return nullptr;
}

QString WorkingOf(const ControlLookup& find, ControlName result)
{
    const ResultView* view = ResultView::Of(find(result));
    return view != nullptr ? view->Working() : QString();
}

// The steps whose results are shown, in order, or the message when they
// cannot go on a sheet as they are.
std::vector<const CalculatorStep*> ShownSteps(const Calculator& calculator,
                                              const ControlLookup& find, QString& problem)
{
    const WidgetControls window(find);
    const auto states = StepStates(calculator, window,
                                   [&window](ControlName result) { return window.Shown(result); });
    std::vector<const CalculatorStep*> shown;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (states[i].state == ResultState::Stale) {
            problem = ToQString(PressFirst(*states[i].press, ResultState::Missing, window));
            return {};
        }
        if (states[i].state == ResultState::Current) {
            shown.push_back(&calculator.steps[i]);
        }
    }
    if (shown.empty()) {
        problem = ToQString(PressFirst(calculator.steps.front(), ResultState::Missing, window));
    }
    return shown;
}

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// The choice made in a choice step: the option ticked and the value it wrote.
QString ChoiceValue(const CalculatorStep& choice, const ControlLookup& find)
{
    for (ControlName option : choice.buttons) {
        if (IsTicked(find(option))) {
            return ShownText(find(option)) + QStringLiteral("，调整系数 ") +
                   ShownText(find(choice.result));
        }
    }
    return {};
}

// What a coefficient chosen from the standard's list stands for, while the
// box still holds the row's value: "建筑、人防、市政公用工程 1.0".
QString ChosenRowName(const QWidget* box)
{
    const auto* edit = qobject_cast<const QLineEdit*>(box);
    const CoefficientRow* row = edit != nullptr ? CoefficientList::ChosenRow(edit) : nullptr;
    if (row == nullptr) {
        return {};
    }
    const QString label = ToQString(row->label);
    return row->value.empty()
               ? label.section(QStringLiteral("（"), 0, 0) + QStringLiteral("，协商确定")
               : label + QLatin1Char(' ') + ToQString(row->value);
}

// An input as the user gave it, with its unit, what a listed coefficient
// stands for and, where its text is doubtful, the mark's words; empty for an
// input the sheet shows elsewhere.
QString InputValue(const Calculator& calculator, const CalculatorInput& input,
                   const ControlLookup& find)
{
    const QWidget* widget = find(input.control);
    switch (input.kind) {
        case InputKind::Tick:
            return IsTicked(widget) ? QStringLiteral("是") : QStringLiteral("否");
        case InputKind::Result: {
            const CalculatorStep* source = StepWriting(calculator, input.control);
            return source != nullptr && source->kind == StepKind::Choice
                       ? ChoiceValue(*source, find)
                       : QString();  // an earlier result: among the results
        }
        default:
            break;
    }
    const QString text = ShownText(widget);
    QString value = text.trimmed().isEmpty() ? QStringLiteral("（空）") : text;
    if (!input.unit.empty() && !text.trimmed().isEmpty()) {
        value += QLatin1Char(' ') + ToQString(input.unit);
    }
    if (const QString row = ChosenRowName(widget); !row.isEmpty()) {
        value += QStringLiteral("（") + row + QStringLiteral("）");
    }
    if (const auto note = InputNote(input, text.toStdString(), true)) {
        value += QStringLiteral("（") + ToQString(*note) + QStringLiteral("）");
    }
    return value;
}

// The working as the tooltip shows it, without the yuan lines the summary holds.
QString WorkingLines(const QString& working)
{
    QStringList out;
    for (const QString& line : working.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("小写：")) &&
            !line.startsWith(QStringLiteral("大写："))) {
            out << Escaped(line);
        }
    }
    return out.join(QStringLiteral("<br/>"));
}

// A piece of text that is not broken across lines.
QString Whole(const QString& text)
{
    return QStringLiteral("<span style=\"white-space:nowrap\">%1</span>").arg(Escaped(text));
}

QString HeaderHtml(const SheetHeader& header)
{
    const std::pair<const char*, const QString*> fields[] = {
        {"项目名称", &header.project}, {"项目编号", &header.projectNumber},
        {"标段", &header.lot},         {"招标人（委托人）", &header.client},
        {"代理机构", &header.agency},
    };
    QStringList cells;
    for (const auto& [name, value] : fields) {
        if (!value->trimmed().isEmpty()) {
            cells << QStringLiteral("<td width=\"50%\">%1：%2</td>")
                         .arg(Whole(QString::fromUtf8(name)), Escaped(value->trimmed()));
        }
    }
    if (cells.isEmpty()) {
        return {};
    }
    QString html = QStringLiteral("<table width=\"100%\" cellpadding=\"2\">");
    for (int i = 0; i < cells.size(); i += 2) {
        html += QStringLiteral("<tr>") + cells[i] +
                (i + 1 < cells.size() ? cells[i + 1] : QString()) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString SignatureLine(const char* role, const QString& name)
{
    const QString blank = QStringLiteral("＿＿＿＿＿＿");
    return QStringLiteral("<td>%1</td>")
        .arg(Whole(QString::fromUtf8(role) + QStringLiteral("：") +
                   (name.trimmed().isEmpty() ? blank : name.trimmed())));
}

QString SheetHtml(const Calculator& calculator, const std::vector<const CalculatorStep*>& steps,
                  const ControlLookup& find, const SheetHeader& header, QDate made)
{
    std::vector<const CalculatorStep*> calculations;
    for (const CalculatorStep* step : steps) {
        if (step->kind == StepKind::Calculation) {
            calculations.push_back(step);
        }
    }
    QString html =
        QStringLiteral(
            "<html><body><h2 align=\"center\">%1</h2>%2"
            "<p align=\"right\">编制日期：%3</p><h3>一、计算结果</h3>")
            .arg(Escaped(ToQString(calculator.title)), HeaderHtml(header),
                 QStringLiteral("%1年%2月%3日").arg(made.year()).arg(made.month()).arg(made.day()));
    const WidgetControls window(find);
    for (const CalculatorStep* step : calculations) {
        const QString caption = ShownText(find(step->result));
        html += QStringLiteral("<p><b>%1</b>")
                    .arg(Whole(ToQString(step->name) + QStringLiteral("：") + caption +
                               QLatin1Char(' ') + ToQString(UnitOf(step->value))));
        if (step->check != nullptr) {
            if (const auto note = step->check(window)) {
                html += Whole(QStringLiteral("（") + ToQString(*note) + QStringLiteral("）"));
            }
        }
        const YuanResult yuan = YuanFromCaption(caption.toStdString());
        if (IsMoney(*step) && yuan.amount) {
            html +=
                QStringLiteral("<br/>　　%1　%2")
                    .arg(Whole(QStringLiteral("小写：") + ToQString(YuanFigures(*yuan.amount))),
                         Whole(QStringLiteral("大写：") + ToQString(YuanCapitals(*yuan.amount))));
        }
        html += QStringLiteral("</p>");
    }
    html += QStringLiteral(
        "<h3>二、输入</h3>"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">");
    for (const CalculatorStep* step : calculations) {
        for (const CalculatorInput& input : step->inputs) {
            const QString value = InputValue(calculator, input, find);
            if (!value.isEmpty()) {
                html += QStringLiteral("<tr><td width=\"30%\">%1</td><td>%2</td></tr>")
                            .arg(Whole(ToQString(input.name)), Escaped(value));
            }
        }
    }
    html += QStringLiteral("</table><h3>三、计算方法</h3><p>");
    if (!ScheduleOf(calculator, window).standard.empty()) {
        html += QStringLiteral("依据%1。")
                    .arg(Escaped(ToQString(ScheduleOf(calculator, window).standard)));
    }
    html += Escaped(ToQString(ScheduleOf(calculator, window).method)) +
            QStringLiteral("</p><h3>四、计算过程</h3>");
    for (const CalculatorStep* step : calculations) {
        html +=
            QStringLiteral("<p><b>%1</b><br/>%2</p>")
                .arg(Escaped(ToQString(step->name)), WorkingLines(WorkingOf(find, step->result)));
    }
    html += QStringLiteral("<p>&nbsp;</p><table width=\"100%\" cellpadding=\"4\"><tr>") +
            SignatureLine("编制人", header.preparedBy) + SignatureLine("复核人", header.checkedBy) +
            SignatureLine("日期", {}) +
            QStringLiteral("</tr></table><p>本计算书由 Kelvora " KELVORA_VERSION
                           " 按上列输入计算得出，仅作参考，以合同约定为准。</p></body></html>");
    return html;
}

QPageLayout SheetPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 15),
                       QPageLayout::Millimeter);
}

QString NoSheet()
{
    return QStringLiteral("这一页没有计算书");
}

// The current page's sheet, or why it cannot be made now.
struct SheetContent {
    QString title;
    QString html;
    QString problem;
};

SheetContent CurrentSheet(QWidget& window, const SheetHeader& header)
{
    const ControlLookup find = ChildLookup(window);
    const Calculator* calculator = CurrentCalculator(find);
    if (calculator == nullptr) {
        return {{}, {}, NoSheet()};
    }
    QString problem;
    const auto steps = ShownSteps(*calculator, find, problem);
    if (!problem.isEmpty()) {
        return {{}, {}, problem};
    }
    return {ToQString(calculator->title),
            SheetHtml(*calculator, steps, find, header, QDate::currentDate()),
            {}};
}

}  // namespace

bool HasCalculationSheet(QWidget& window)
{
    return CurrentCalculator(ChildLookup(window)) != nullptr;
}

QString SheetProblem(QWidget& window)
{
    const ControlLookup find = ChildLookup(window);
    const Calculator* calculator = CurrentCalculator(find);
    if (calculator == nullptr) {
        return NoSheet();
    }
    QString problem;
    ShownSteps(*calculator, find, problem);
    return problem;
}

QString ProposedSheetName(QWidget& window, QDate day)
{
    const Calculator* calculator = CurrentCalculator(ChildLookup(window));
    return calculator == nullptr ? QString()
                                 : ToQString(calculator->title) + QLatin1Char('-') +
                                       day.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

QString WriteCalculationSheet(QWidget& window, const QString& pdfPath, const SheetHeader& header)
{
    const SheetContent sheet = CurrentSheet(window, header);
    if (!sheet.problem.isEmpty()) {
        return sheet.problem;
    }
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(SheetPageLayout());
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Kelvora " KELVORA_VERSION));
        PaintSheet(sheet.html, writer);
    }
    return WriteWholeFile(pdfPath, pdf);
}

QString PrintCalculationSheet(QWidget& window, QPrinter& printer, const SheetHeader& header)
{
    const SheetContent sheet = CurrentSheet(window, header);
    if (!sheet.problem.isEmpty()) {
        return sheet.problem;
    }
    printer.setPageLayout(SheetPageLayout());
    printer.setDocName(sheet.title);
    PaintSheet(sheet.html, printer);
    return {};
}

}  // namespace kelvora::ui
