#include "ui/documents/page_sheet.h"

#include <algorithm>

#include "calc/input_check.h"
#include "ui/common/qt_text.h"
#include "ui/layout/control_table.h"

namespace kelvora::ui {
namespace {

// The choice made in a choice step: the option ticked and the value it wrote.
QString ChoiceValue(const CalculatorModel& model, const CalculatorStep& choice)
{
    const auto& shown = model.Shown(choice.result);
    for (ControlName option : choice.buttons) {
        if (model.inputs().Ticked(option) && shown) {
            return ToQString(ButtonCaption(option)) + QStringLiteral("，调整系数 ") +
                   ToQString(shown->caption);
        }
    }
    return {};
}

// What a coefficient chosen from the standard's list stands for, while the
// box still holds the row's value: "建筑、人防、市政公用工程 1.0".
QString ListedRowName(const CoefficientRow* row)
{
    if (row == nullptr) {
        return {};
    }
    const QString label = ToQString(row->label);
    return row->value.empty()
               ? label.section(QStringLiteral("（"), 0, 0) + QStringLiteral("，协商确定")
               : label + QLatin1Char(' ') + ToQString(row->value);
}

// The summary of one result: its figure, a note on it, its yuan.
SheetLines ResultLines(const CalculatorModel& model, const CalculatorStep& step)
{
    const StepOutcome& shown = *model.Shown(step.result);
    // money to its 分, as its 小写 says it; the page's two decimals said beside it
    const QString figure =
        IsMoney(step) && shown.money ? ToQString(shown.money->WanText()) : ToQString(shown.caption);
    SheetLines lines{{{{ToQString(step.name) + QStringLiteral("：") + figure + QLatin1Char(' ') +
                            ToQString(UnitOf(step.value)),
                        true}}},
                     true};
    if (figure != ToQString(shown.caption)) {
        lines.lines.front().push_back(
            {QStringLiteral("（页面按两位小数显示为 %1）").arg(ToQString(shown.caption))});
    }
    if (step.check != nullptr) {
        if (const auto note = step.check(model.inputs())) {
            lines.lines.front().push_back(
                {QStringLiteral("（") + ToQString(*note) + QStringLiteral("）")});
        }
    }
    if (IsMoney(step) && shown.money) {
        lines.lines.push_back({{QStringLiteral("小写：") + ToQString(shown.money->Figures())},
                               {QStringLiteral("大写：") + ToQString(shown.money->Capitals())}});
    }
    return lines;
}

SheetDocument PageSheet(const CalculatorModel& model,
                        const std::vector<const CalculatorStep*>& steps)
{
    const Calculator& calculator = model.calculator();
    SheetDocument sheet;
    sheet.title = ToQString(calculator.title);
    sheet.made = QDate::currentDate();

    SheetSection results{QStringLiteral("一、计算结果"), {}};
    SheetTable inputs;
    inputs.widths = {30, 70};
    SheetSection working{QStringLiteral("四、计算过程"), {}};
    const auto list = [&inputs](const QString& name, const QString& value) {
        const bool listed =
            std::any_of(inputs.rows.begin(), inputs.rows.end(),
                        [&](const QStringList& row) { return row.front() == name; });
        if (!listed && !value.isEmpty()) {
            inputs.rows.push_back({name, value});
        }
    };
    const QString terms = TermsShown(model, steps);
    for (const CalculatorStep* step : steps) {
        if (step->kind != StepKind::Calculation) {
            continue;
        }
        results.blocks.emplace_back(ResultLines(model, *step));
        for (const CalculatorInput& input : step->inputs) {
            list(ToQString(input.name), InputValue(model, input));
        }
        if (step->followsTerms) {
            list(QStringLiteral("收费条件"), terms);
        }
        QStringList lines;
        for (const std::string& line : model.Shown(step->result)->working) {
            lines << ToQString(line);
        }
        working.blocks.emplace_back(SheetText{ToQString(step->name), lines});
    }
    const FeeSchedule& schedule = model.Schedule();
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

}  // namespace

std::vector<const CalculatorStep*> ShownSteps(const CalculatorModel& model, QString& problem)
{
    const Calculator& calculator = model.calculator();
    const std::vector<StepState> states = model.States();
    std::vector<const CalculatorStep*> shown;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (!model.Applies(calculator.steps[i])) {
            continue;
        }
        if (states[i].state == ResultState::Stale) {
            problem = ToQString(PressFirstText(states[i], ResultState::Missing, model));
            return {};
        }
        if (states[i].state == ResultState::Current) {
            shown.push_back(&calculator.steps[i]);
        }
    }
    if (shown.empty()) {
        const StepState first{ResultState::Missing, &calculator.steps.front()};
        problem = ToQString(PressFirstText(first, ResultState::Missing, model));
    }
    return shown;
}

QString InputValue(const CalculatorModel& model, const CalculatorInput& input)
{
    switch (input.kind) {
        case InputKind::Tick:
            return model.inputs().Ticked(input.control) ? QStringLiteral("是")
                                                        : QStringLiteral("否");
        case InputKind::Result: {
            const CalculatorStep* source = StepWriting(model.calculator(), input.control);
            return source != nullptr && source->kind == StepKind::Choice
                       ? ChoiceValue(model, *source)
                       : QString();  // an earlier result: among the results
        }
        default:
            break;
    }
    const QString text = ToQString(model.inputs().Text(input.control));
    const bool blank = IsBlankText(text);
    QString value = blank ? QStringLiteral("（空）") : text;
    if (!input.unit.empty() && !blank) {
        value += QLatin1Char(' ') + ToQString(input.unit);
    }
    if (const QString row = ListedRowName(model.ListedRow(input.control)); !row.isEmpty()) {
        value += QStringLiteral("（") + row + QStringLiteral("）");
    }
    if (const auto note = CheckInput(input, text.toStdString(), true)) {
        value += QStringLiteral("（") + ToQString(note->Stated()) + QStringLiteral("）");
    }
    return value;
}

QString TermsShown(const CalculatorModel& model, const std::vector<const CalculatorStep*>& steps)
{
    const bool follows = std::any_of(steps.begin(), steps.end(),
                                     [](const CalculatorStep* step) { return step->followsTerms; });
    return follows && ChargesOtherThanStandard(model.terms()) ? ToQString(TermsWords(model.terms()))
                                                              : QString();
}

QString DatedFileName(const QString& name, QDate day)
{
    return name + QLatin1Char('-') + day.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

std::string PressFirstText(const StepState& state, ResultState pressed,
                           const CalculatorModel& model)
{
    return PressFirst(*state.press, pressed, model.inputs(),
                      ButtonCaption(state.press->buttons.front()));
}

SheetDraft PageSheetDraft(const DocumentSource& source)
{
    const CalculatorModel& model = std::get<PageSource>(source).model;
    QString problem;
    const auto steps = ShownSteps(model, problem);
    if (!problem.isEmpty()) {
        return {problem, {}, {}};
    }
    SheetDocument sheet = PageSheet(model, steps);
    return {{},
            DatedFileName(sheet.title, sheet.made),
            [sheet = std::move(sheet)](const SheetHeader& header) {
                SheetDocument headed = sheet;
                headed.header = header;
                return headed;
            }};
}

}  // namespace kelvora::ui
