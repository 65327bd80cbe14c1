#include "ui/calculation_sheet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRadioButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTextDocument>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "calc/input_check.h"
#include "calc/number_text.h"
#include "calc/result_steps.h"
#include "calc/supervision_fee.h"
#include "calc/yuan_amount.h"
#include "ui/control_table.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/result_view.h"

namespace kelvora::ui {
namespace {

// How an input is written on the sheet.
enum class Shown {
    Text,        // as typed, with its unit
    YesNo,       // a check box: 是 / 否
    Complexity,  // the chosen grade and the coefficient in Label10
};

struct SheetInput {
    const char* name;  // as on screen
    ControlName control;
    const char* unit;
    Shown shown;
    std::optional<InputKind> kind;  // how the box's text is read, for a note on misreading
};

struct SheetStep {
    ControlName result;
    const char* unit;
    std::span<const SheetInput> inputs;
};

struct Sheet {
    int page;
    const char* title;
    const char* method;
    std::span<const SheetStep> steps;  // in order; the first is required
};

constexpr SheetInput kTenderInputs[] = {
    {"中标金额", role::kTenderAmount, "万元", Shown::Text, InputKind::Amount},
    {"服务类型", role::kTenderType, "", Shown::Text, std::nullopt},
    {"单独提供编制招标文件服务", role::kDocumentService, "", Shown::YesNo, std::nullopt},
};
constexpr SheetInput kBasePriceInputs[] = {
    {"计费额", role::kFeeBasis, "万元", Shown::Text, InputKind::Amount},
};
constexpr SheetInput kBenchmarkInputs[] = {
    {"专业调整系数", role::kDiscipline, "", Shown::Text, InputKind::Coefficient},
    {"工程复杂程度", role::kComplexityCoefficient, "", Shown::Complexity, std::nullopt},
    {"高程调整系数", role::kElevation, "", Shown::Text, InputKind::Coefficient},
};
constexpr SheetInput kChargedFeeInputs[] = {
    {"浮动幅度值", role::kRange, "%", Shown::Text, InputKind::Percent},
};
constexpr SheetInput kPeriodInputs[] = {
    {"开工日期", role::kStartDate, "", Shown::Text, std::nullopt},
    {"竣工日期", role::kCompletionDate, "", Shown::Text, std::nullopt},
};

constexpr SheetStep kTenderSteps[] = {{role::kTenderFee, "万元", kTenderInputs}};
constexpr SheetStep kSupervisionSteps[] = {
    {role::kBasePrice, "万元", kBasePriceInputs},
    {role::kBenchmark, "万元", kBenchmarkInputs},
    {role::kChargedFee, "万元", kChargedFeeInputs},
};
constexpr SheetStep kPeriodSteps[] = {{role::kPeriod, "天", kPeriodInputs}};

constexpr std::array<Sheet, 3> kSheets{{
    {0, "招标代理服务费计算书",
     "按招标代理服务收费标准的差额定率累进法计算：中标金额按金额段分段，各段金额乘以该段费率后"
     "累加；单独提供编制招标文件服务的，合计乘以 1.3。",
     kTenderSteps},
    {1, "工程监理服务收费计算书",
     "收费基价按收费基价表用直线插入法计算（低于表列最小计费额时按首段直线延伸，高于最大计费额时"
     "按 1.039% 计算）；基准价 = 收费基价 × 专业调整系数 × 工程复杂程度调整系数 × 高程调整系数；"
     "监理取费 = 基准价 × (1 + 浮动幅度值)。",
     kSupervisionSteps},
    {2, "工期计算书", "工期按两个日期之间的日历天数计算，开工当日不计。", kPeriodSteps},
}};

int CurrentPage(const MainWindow& window)
{
    const auto* tabs = qobject_cast<const QTabWidget*>(window.control(role::kTabs));
    return tabs != nullptr ? tabs->currentIndex() : -1;
}

const Sheet* SheetOf(const MainWindow& window)
{
    const int page = CurrentPage(window);
    for (const Sheet& sheet : kSheets) {
        if (sheet.page == page) {
            return &sheet;
        }
    }
    return nullptr;
}

ControlMap MapOf(const MainWindow& window)
{
    ControlMap map;
    for (const ControlRow& row : ControlRows()) {
        map.emplace(row.name.str(), window.control(row.name));
    }
    return map;
}

// Reads the window as it is and keeps what a calculation would write.
class Recalculation : public Controls {
public:
    explicit Recalculation(const ControlMap& widgets) : m_window(widgets, nullptr) {}
    std::string Text(ControlName c) const override { return m_window.Text(c); }
    bool Checked(ControlName c) const override { return m_window.Checked(c); }
    DateTime Date(ControlName c) const override { return m_window.Date(c); }
    void WriteResult(ControlName, const Result& result) override { m_result = result; }
    const std::optional<Result>& result() const { return m_result; }

private:
    WidgetControls m_window;
    std::optional<Result> m_result;
};

QString ButtonText(const MainWindow& window, ControlName button)
{
    const auto* b = qobject_cast<const QAbstractButton*>(window.control(button));
    return b != nullptr ? b->text().trimmed() : QString();
}

QString PressFirst(const MainWindow& window, ControlName button)
{
    return QStringLiteral("请先点击“%1”").arg(ButtonText(window, button));
}

const QLabel* ResultLabel(const MainWindow& window, ControlName result)
{
    return qobject_cast<const QLabel*>(window.control(result));
}

// Whether the result shown is what its button gives from the inputs now.
bool ShownIsCurrent(const MainWindow& window, const ControlMap& widgets, const ResultStep& step)
{
    const QLabel* label = ResultLabel(window, step.result);
    const ResultView* view = ResultView::Of(label);
    if (label == nullptr || view == nullptr || label->text().isEmpty()) {
        return false;
    }
    Recalculation again(widgets);
    try {
        step.click(again);
    } catch (...) {
        return false;
    }
    return again.result() && ToQString(again.result()->caption) == label->text() &&
           ToQString(again.result()->working) == view->Working();
}

// The option chosen for the complexity grade, as its index, if any.
std::optional<std::size_t> ChosenGrade(const MainWindow& window)
{
    const ControlName options[] = {role::kComplexityGeneral, role::kComplexityModerate,
                                   role::kComplexityHigh};
    for (std::size_t i = 0; i < std::size(options); ++i) {
        const auto* option = qobject_cast<const QRadioButton*>(window.control(options[i]));
        if (option != nullptr && option->isChecked()) {
            return i;
        }
    }
    return std::nullopt;
}

// The steps of the sheet that are shown, in order, or the message when
// they cannot go on a sheet as they are.
std::vector<const SheetStep*> ShownSteps(MainWindow& window, const Sheet& sheet, QString& problem)
{
    const ControlMap widgets = MapOf(window);
    std::vector<const SheetStep*> shown;
    const ResultStep* firstMissing = nullptr;  // a step not shown after one that is
    for (const SheetStep& sheetStep : sheet.steps) {
        const ResultStep* step = StepOf(sheetStep.result);
        const QLabel* label = ResultLabel(window, sheetStep.result);
        if (label == nullptr || label->text().isEmpty()) {
            if (shown.empty()) {
                problem = PressFirst(window, step->button);  // nothing to write yet
                return {};
            }
            firstMissing = firstMissing != nullptr ? firstMissing : step;
            continue;
        }
        if (firstMissing != nullptr || !ShownIsCurrent(window, widgets, *step)) {
            problem = PressFirst(window, (firstMissing != nullptr ? firstMissing : step)->button);
            return {};
        }
        shown.push_back(&sheetStep);
    }
    // The benchmark price reads the complexity coefficient: it must be the chosen grade's.
    for (const SheetStep* s : shown) {
        if (s->result == role::kBenchmark) {
            const auto grade = ChosenGrade(window);
            const QLabel* coefficient = ResultLabel(window, role::kComplexityCoefficient);
            const QString expected =
                grade ? ToQString(FormatTwoDecimals(kComplexityGrades[*grade].coefficient)) : "";
            if (coefficient == nullptr || coefficient->text() != expected) {
                problem = QStringLiteral("请先选择工程复杂程度");
                return {};
            }
        }
    }
    return shown;
}

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// An input as the user gave it, with its unit and, where its text is not
// read as typed, what was used.
QString InputValue(const MainWindow& window, const SheetInput& input)
{
    const QWidget* widget = window.control(input.control);
    QString value;
    QString text;
    switch (input.shown) {
        case Shown::YesNo: {
            const auto* box = qobject_cast<const QCheckBox*>(widget);
            return box != nullptr && box->checkState() == Qt::Checked ? QStringLiteral("是")
                                                                      : QStringLiteral("否");
        }
        case Shown::Complexity: {
            const auto grade = ChosenGrade(window);
            const auto* label = qobject_cast<const QLabel*>(widget);
            if (!grade) {
                return QStringLiteral("未选择（调整系数按 0 计）");
            }
            return ToQString(kComplexityGrades[*grade].caption) + QStringLiteral("，调整系数 ") +
                   (label ? label->text() : QString());
        }
        case Shown::Text:
            break;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        text = edit->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        text = combo->currentText();
    } else if (const auto* picker = qobject_cast<const QDateTimeEdit*>(widget)) {
        text = picker->text();
    }
    value = text.trimmed().isEmpty() ? QStringLiteral("（空，按 0 计）") : text;
    if (*input.unit != '\0' && !text.trimmed().isEmpty()) {
        value += QLatin1Char(' ') + QString::fromUtf8(input.unit);
    }
    if (input.kind) {
        if (const auto note = InputNote(text.toStdString(), *input.kind)) {
            value += QStringLiteral("（") + ToQString(*note) + QStringLiteral("）");
        }
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

QString ResultName(const MainWindow& window, ControlName result)
{
    for (const ResultBox& box : ResultBoxes()) {
        if (box.label == result) {
            const QWidget* namer = window.control(box.namedBy);
            if (const auto* label = qobject_cast<const QLabel*>(namer)) {
                return label->text();
            }
            if (const auto* button = qobject_cast<const QAbstractButton*>(namer)) {
                return button->text().trimmed();
            }
        }
    }
    return {};
}

QString SheetHtml(MainWindow& window, const Sheet& sheet,
                  const std::vector<const SheetStep*>& steps, QDate made)
{
    QString html =
        QStringLiteral(
            "<html><body>"
            "<h2 align=\"center\">%1</h2>"
            "<p align=\"right\">编制日期：%2</p>"
            "<h3>一、输入</h3>"
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">")
            .arg(Escaped(QString::fromUtf8(sheet.title)),
                 QStringLiteral("%1年%2月%3日").arg(made.year()).arg(made.month()).arg(made.day()));
    for (const SheetStep* step : steps) {
        for (const SheetInput& input : step->inputs) {
            html += QStringLiteral("<tr><td width=\"35%\">%1</td><td>%2</td></tr>")
                        .arg(Escaped(QString::fromUtf8(input.name)),
                             Escaped(InputValue(window, input)));
        }
    }
    html += QStringLiteral("</table><h3>二、计算方法</h3><p>%1</p><h3>三、计算过程</h3>")
                .arg(Escaped(QString::fromUtf8(sheet.method)));
    for (const SheetStep* step : steps) {
        const QLabel* label = ResultLabel(window, step->result);
        html += QStringLiteral("<p><b>%1</b><br/>%2</p>")
                    .arg(Escaped(ResultName(window, step->result)),
                         Lines(ResultView::Of(label)->Working()));
    }
    html += QStringLiteral("<h3>四、计算结果</h3>");
    for (const SheetStep* step : steps) {
        const QString caption = ResultLabel(window, step->result)->text();
        html += QStringLiteral("<p>%1：%2 %3")
                    .arg(Escaped(ResultName(window, step->result)), Escaped(caption),
                         QString::fromUtf8(step->unit));
        const YuanResult yuan = YuanFromCaption(caption.toStdString());
        if (StepOf(step->result)->money && yuan.amount) {
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

}  // namespace

bool HasCalculationSheet(const MainWindow& window)
{
    return SheetOf(window) != nullptr;
}

QString SheetProblem(MainWindow& window)
{
    const Sheet* sheet = SheetOf(window);
    if (sheet == nullptr) {
        return QStringLiteral("这一页没有计算书");
    }
    QString problem;
    ShownSteps(window, *sheet, problem);
    return problem;
}

QString ProposedSheetName(const MainWindow& window, QDate day)
{
    const Sheet* sheet = SheetOf(window);
    return sheet == nullptr ? QString()
                            : QString::fromUtf8(sheet->title) + QLatin1Char('-') +
                                  day.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

QString WriteCalculationSheet(MainWindow& window, const QString& pdfPath)
{
    const Sheet* sheet = SheetOf(window);
    if (sheet == nullptr) {
        return QStringLiteral("这一页没有计算书");
    }
    QString problem;
    const auto steps = ShownSteps(window, *sheet, problem);
    if (!problem.isEmpty()) {
        return problem;
    }

    QTextDocument document;
    document.setDefaultFont(SheetFont());
    document.setHtml(SheetHtml(window, *sheet, steps, QDate::currentDate()));

    // Written beside the target and renamed over it only when complete.
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("无法写入文件“%1”：%2").arg(pdfPath, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        writer.setTitle(QString::fromUtf8(sheet->title));
        writer.setCreator(QStringLiteral("Kelvora " KELVORA_VERSION));
        document.print(&writer);
    }
    if (!file.commit()) {
        return QStringLiteral("无法写入文件“%1”：%2").arg(pdfPath, file.errorString());
    }
    return {};
}

}  // namespace kelvora::ui
