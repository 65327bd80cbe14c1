#include "ui/binding/calculation_sheet.h"

#include <QLineEdit>
#include <QPrinter>
#include <QSettings>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "calc/calculators.h"
#include "calc/coefficient_tables.h"
#include "calc/input_check.h"
#include "calc/yuan_amount.h"
#include "ui/binding/shown_value.h"
#include "ui/binding/widget_controls.h"
#include "ui/common/agency_settings.h"
#include "ui/common/qt_text.h"
#include "ui/layout/control_table.h"
#include "ui/sheet/sheet_render.h"
#include "ui/terms/fee_notice.h"
#include "ui/widgets/coefficient_list.h"

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

// The steps whose results are shown, in order, or the message when they
// cannot go on a sheet as they are.
std::vector<const CalculatorStep*> ShownSteps(const Calculator& calculator,
                                              const WidgetControls& window, QString& problem)
{
    const auto states = StepStates(calculator, window,
                                   [&window](ControlName result) { return window.Shown(result); });
    std::vector<const CalculatorStep*> shown;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (!Applies(calculator.steps[i], window)) {
            continue;
        }
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
    if (input.shown != nullptr) {
        return ToQString(input.shown(ShownText(widget).toStdString()));
    }
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
    const bool blank = IsBlankText(text);
    QString value = blank ? QStringLiteral("（空）") : text;
    if (!input.unit.empty() && !blank) {
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

// The summary of one result: its figure, a note on it, its yuan.
SheetLines ResultLines(const CalculatorStep& step, const WidgetControls& window)
{
    const Result shown = window.Shown(step.result);
    SheetLines lines{{{{ToQString(step.name) + QStringLiteral("：") + ToQString(shown.caption) +
                            QLatin1Char(' ') + ToQString(UnitOf(step.value)),
                        true}}},
                     true};
    if (step.check != nullptr) {
        if (const auto note = step.check(window)) {
            lines.lines.front().push_back(
                {QStringLiteral("（") + ToQString(*note) + QStringLiteral("）")});
        }
    }
    const YuanResult yuan = YuanFromCaption(shown.amount);
    if (IsMoney(step) && yuan.amount) {
        lines.lines.push_back({{QStringLiteral("小写：") + ToQString(YuanFigures(*yuan.amount))},
                               {QStringLiteral("大写：") + ToQString(YuanCapitals(*yuan.amount))}});
    }
    return lines;
}

SheetDocument PageSheet(const Calculator& calculator,
                        const std::vector<const CalculatorStep*>& steps,
                        const WidgetControls& window, const ControlLookup& find)
{
    std::vector<const CalculatorStep*> calculations;
    for (const CalculatorStep* step : steps) {
        if (step->kind == StepKind::Calculation) {
            calculations.push_back(step);
        }
    }
    SheetDocument sheet;
    sheet.title = ToQString(calculator.title);
    sheet.made = QDate::currentDate();

    SheetSection results{QStringLiteral("一、计算结果"), {}};
    SheetTable inputs;
    inputs.widths = {30, 70};
    SheetSection working{QStringLiteral("四、计算过程"), {}};
    for (const CalculatorStep* step : calculations) {
        results.blocks.emplace_back(ResultLines(*step, window));
        for (const CalculatorInput& input : step->inputs) {
            const QString name = ToQString(input.name);
            const bool listed =
                std::any_of(inputs.rows.begin(), inputs.rows.end(),
                            [&](const QStringList& row) { return row.front() == name; });
            if (const QString value = InputValue(calculator, input, find);
                !listed && !value.isEmpty()) {
                inputs.rows.push_back({name, value});
            }
        }
        working.blocks.emplace_back(
            SheetText{ToQString(step->name),
                      ToQString(window.Shown(step->result).working).split(QLatin1Char('\n'))});
    }
    const FeeSchedule& schedule = ScheduleOf(calculator, window);
    QString method = ToQString(schedule.method);
    if (!schedule.standard.empty()) {
        method.prepend(QStringLiteral("依据%1。").arg(ToQString(schedule.standard)));
    }
    sheet.sections = {
        std::move(results),
        {QStringLiteral("二、输入"), {std::move(inputs)}},
        {QStringLiteral("三、计算方法"), {SheetText{{}, {method}}}},
        std::move(working),
    };
    sheet.footnote = QStringLiteral("本计算书由 Kelvora " KELVORA_VERSION
                                    " 按上列输入计算得出，仅作参考，以合同约定为准。");
    return sheet;
}

QString NoSheet()
{
    return QStringLiteral("这一页没有计算书");
}

}  // namespace

bool HasCalculationSheet(QWidget& window)
{
    return CurrentCalculator(ChildLookup(window)) != nullptr;
}

SheetDraft CalculationSheetDraft(QWidget& window)
{
    const ControlLookup find = ChildLookup(window);
    const Calculator* calculator = CurrentCalculator(find);
    if (calculator == nullptr) {
        return {NoSheet(), {}, {}};
    }
    const WidgetControls controls(find);
    QString problem;
    const auto steps = ShownSteps(*calculator, controls, problem);
    if (!problem.isEmpty()) {
        return {problem, {}, {}};
    }
    SheetDocument sheet = PageSheet(*calculator, steps, controls, find);
    return {{},
            ProposedSheetName(window, sheet.made),
            [sheet = std::move(sheet)](const SheetHeader& header) {
                SheetDocument headed = sheet;
                headed.header = header;
                return headed;
            }};
}

bool HasFeeNotice(QWidget& window)
{
    const Calculator* calculator = CurrentCalculator(ChildLookup(window));
    return calculator != nullptr && calculator->notice;
}

SheetDraft FeeNoticeDraft(QWidget& window)
{
    const ControlLookup find = ChildLookup(window);
    const Calculator* calculator = CurrentCalculator(find);
    if (calculator == nullptr || !calculator->notice) {
        return {QStringLiteral("这一页没有收费通知书"), {}, {}};
    }
    const WidgetControls controls(find);
    QString problem;
    const auto steps = ShownSteps(*calculator, controls, problem);
    if (!problem.isEmpty()) {
        return {problem, {}, {}};
    }
    QSettings settings;
    const AgencyDetails agency = LoadKept(settings).agency;
    if (const QString missing = NoticeProblem(agency); !missing.isEmpty()) {
        return {missing, {}, {}};
    }
    // the fee asked for: the last money result shown (the fee to charge where
    // the terms differ from the standard)
    NoticeLot lot;
    for (const CalculatorStep* step : steps) {
        if (IsMoney(*step)) {
            const Result shown = controls.Shown(step->result);
            lot.fee = ToQString(shown.caption);
            lot.yuan = YuanFromCaption(shown.amount).amount;
        }
        for (const CalculatorInput& input : step->inputs) {
            if (input.kind == InputKind::Amount && lot.amount.isEmpty()) {
                lot.amount = InputValue(*calculator, input, find);
            } else if (input.kind == InputKind::Terms && input.shown != nullptr) {
                lot.terms = InputValue(*calculator, input, find);
            }
        }
    }
    lot.basis = ToQString(ScheduleOf(*calculator, controls).standard);
    const QDate today = QDate::currentDate();
    return {{},
            QStringLiteral("招标代理服务费收费通知书-") + today.toString(Qt::ISODate) +
                QStringLiteral(".pdf"),
            [lot, agency, today](const SheetHeader& header) {
                NoticeLot headed = lot;
                headed.header = header;
                headed.payer =
                    agency.payer == QString::fromUtf8(kPayers[1]) ? header.bidder : header.client;
                return FeeNotices({headed}, agency, today);
            }};
}

QString SheetProblem(QWidget& window)
{
    return CalculationSheetDraft(window).problem;
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
    const SheetDraft draft = CalculationSheetDraft(window);
    return draft.problem.isEmpty() ? WriteSheet(draft.make(header), pdfPath) : draft.problem;
}

QString PrintCalculationSheet(QWidget& window, QPrinter& printer, const SheetHeader& header)
{
    const SheetDraft draft = CalculationSheetDraft(window);
    if (!draft.problem.isEmpty()) {
        return draft.problem;
    }
    const SheetDocument sheet = draft.make(header);
    printer.setPageLayout(SheetPageLayout(sheet));
    printer.setDocName(sheet.title);
    PaintSheet(sheet, printer);
    return {};
}

}  // namespace kelvora::ui
