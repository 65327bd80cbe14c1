#include "ui/calculation_sheet.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTabWidget>
#include <QTextDocument>
#include <vector>

#include "calc/calculators.h"
#include "calc/input_check.h"
#include "calc/yuan_amount.h"
#include "ui/control_table.h"
#include "ui/qt_text.h"
#include "ui/result_view.h"
#include "ui/shown_value.h"
#include "ui/stale_tracker.h"
#include "ui/widget_controls.h"

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
    const auto states = StepStates(calculator, window, [&](ControlName result) {
        return WorkingOf(find, result).toStdString();
    });
    std::vector<const CalculatorStep*> shown;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (states[i].state == ResultState::Stale) {
            problem = PressFirst(*states[i].press, find);
            return {};
        }
        if (states[i].state == ResultState::Current) {
            shown.push_back(&calculator.steps[i]);
        }
    }
    if (shown.empty()) {
        problem = PressFirst(calculator.steps.front(), find);
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

// An input as the user gave it, with its unit and, where its text is not
// read as typed, what was used; empty for an input the sheet shows elsewhere.
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
    if (const auto note = InputNote(input, text.toStdString(), true)) {
        value += QStringLiteral("（") + ToQString(*note) + QStringLiteral("）");
    }
    return value;
}

QString Lines(const QString& text)
{
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        out << Escaped(line);
    }
    return out.join(QStringLiteral("<br/>"));
}

QString SheetHtml(const Calculator& calculator, const std::vector<const CalculatorStep*>& steps,
                  const ControlLookup& find, QDate made)
{
    QString html =
        QStringLiteral(
            "<html><body>"
            "<h2 align=\"center\">%1</h2>"
            "<p align=\"right\">编制日期：%2</p>"
            "<h3>一、输入</h3>"
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">")
            .arg(Escaped(ToQString(calculator.title)),
                 QStringLiteral("%1年%2月%3日").arg(made.year()).arg(made.month()).arg(made.day()));
    std::vector<const CalculatorStep*> calculations;
    for (const CalculatorStep* step : steps) {
        if (step->kind == StepKind::Calculation) {
            calculations.push_back(step);
        }
    }
    for (const CalculatorStep* step : calculations) {
        for (const CalculatorInput& input : step->inputs) {
            const QString value = InputValue(calculator, input, find);
            if (!value.isEmpty()) {
                html += QStringLiteral("<tr><td width=\"35%\">%1</td><td>%2</td></tr>")
                            .arg(Escaped(ToQString(input.name)), Escaped(value));
            }
        }
    }
    html += QStringLiteral("</table><h3>二、计算方法</h3><p>%1</p><h3>三、计算过程</h3>")
                .arg(Escaped(ToQString(calculator.method)));
    for (const CalculatorStep* step : calculations) {
        html += QStringLiteral("<p><b>%1</b><br/>%2</p>")
                    .arg(Escaped(ToQString(step->name)), Lines(WorkingOf(find, step->result)));
    }
    html += QStringLiteral("<h3>四、计算结果</h3>");
    for (const CalculatorStep* step : calculations) {
        const QString caption = ShownText(find(step->result));
        html += QStringLiteral("<p>%1：%2 %3")
                    .arg(Escaped(ToQString(step->name)), Escaped(caption), ToQString(step->unit));
        if (step->check != nullptr) {
            if (const auto note = step->check(WidgetControls(find))) {
                html += QStringLiteral("（") + Escaped(ToQString(*note)) + QStringLiteral("）");
            }
        }
        const YuanResult yuan = YuanFromCaption(caption.toStdString());
        if (step->money && yuan.amount) {
            html += QStringLiteral("<br/>小写：%1<br/>大写：%2")
                        .arg(Escaped(ToQString(YuanFigures(*yuan.amount))),
                             Escaped(ToQString(YuanCapitals(*yuan.amount))));
        }
        html += QStringLiteral("</p>");
    }
    html += QStringLiteral("<p>&nbsp;</p><p>本计算书由 Kelvora " KELVORA_VERSION
                           " 按上列输入计算得出，仅作参考，以合同约定为准。</p></body></html>");
    return html;
}

// A face whose PDF text maps back to the right characters: in the Noto CJK
// faces the Kangxi radicals share glyphs with common characters (工, 人, 大),
// and Qt's PDF writer would then give the radicals to a search or a copy.
QFont SheetFont()
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"SimSun", "宋体", "AR PL UMing CN", "WenQuanYi Zen Hei",
                               "Noto Serif CJK SC", "Noto Sans CJK SC"}) {
        const QString name = QString::fromUtf8(family);
        if (installed.contains(name, Qt::CaseInsensitive)) {
            return QFont(name, 11);
        }
    }
    return QFont(QString(), 11);
}

QString CannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("无法写入文件“%1”：%2。原有的文件未作改动。").arg(path, why);
}

// Writes `bytes` beside `path` and renames the copy over it only once every
// byte is on the disk; a short or failed write leaves the old file as it was
// and no part of the new one.
QString WriteWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return CannotWrite(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || file.size() != bytes.size()) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                                 : QStringLiteral("写入不完整");
        file.cancelWriting();
        return CannotWrite(path, why);
    }
    if (!file.commit()) {
        return CannotWrite(path, file.errorString());
    }
    return {};
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

QString WriteCalculationSheet(QWidget& window, const QString& pdfPath)
{
    const ControlLookup find = ChildLookup(window);
    const Calculator* calculator = CurrentCalculator(find);
    if (calculator == nullptr) {
        return NoSheet();
    }
    QString problem;
    const auto steps = ShownSteps(*calculator, find, problem);
    if (!problem.isEmpty()) {
        return problem;
    }

    QTextDocument document;
    document.setDefaultFont(SheetFont());
    document.setHtml(SheetHtml(*calculator, steps, find, QDate::currentDate()));

    // Made whole in memory first: what reaches the disk is checked byte for
    // byte before it replaces anything.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        writer.setTitle(ToQString(calculator->title));
        writer.setCreator(QStringLiteral("Kelvora " KELVORA_VERSION));
        document.print(&writer);
    }
    return WriteWhole(pdfPath, pdf);
    return {};
}

}  // namespace kelvora::ui
