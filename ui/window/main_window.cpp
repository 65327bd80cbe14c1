#include "ui/window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "calc/calculators.h"
#include "calc/coefficient_tables.h"
#include "ui/batch/batch_window.h"
#include "ui/binding/accessibility.h"
#include "ui/binding/event_wiring.h"
#include "ui/binding/input_notes.h"
#include "ui/binding/keyboard.h"
#include "ui/binding/page_binding.h"
#include "ui/binding/sheet_offers.h"
#include "ui/binding/terms_binding.h"
#include "ui/binding/timetable_entry.h"
#include "ui/common/qt_text.h"
#include "ui/documents/page_sheet.h"
#include "ui/sheet/sheet_output.h"
#include "ui/sheet/sheet_render.h"

#include <QPagedPaintDevice>
#include "ui/common/internal_error.h"
#include "ui/widgets/coefficient_list.h"
#include "ui/widgets/result_view.h"
#include "ui/window/app_icon.h"
#include "ui/window/control_factory.h"
#include "ui/window/group_box_style.h"
#include "ui/window/lazy_page.h"
#include "ui/window/qt_translation.h"
#include "ui/window/tab_page_placer.h"

namespace kelvora::ui {
namespace {

QRect PixelRect(const ControlRow& row)
{
    return QRect(TwipsToPixels(row.left), TwipsToPixels(row.top), TwipsToPixels(row.width),
                 TwipsToPixels(row.height));
}

// The lists of the standard's coefficients beside two boxes, and the hint
// of the range box.
void AttachInputAids(const ControlLookup& find, int page)
{
    const struct {
        ControlName box;
        std::span<const CoefficientRow> rows;
        const char* name;
    } lists[] = {
        {role::kDiscipline, kDisciplineCoefficients, "专业调整系数表"},
        {role::kElevation, kElevationCoefficients, "高程调整系数表"},
    };
    for (const auto& list : lists) {
        if (PageOf(list.box) == page) {
            if (auto* box = Lookup<QLineEdit>(find, list.box)) {
                CoefficientList::Attach(box, list.rows, QString::fromUtf8(list.name));
            }
        }
    }
    if (PageOf(role::kRange) == page) {
        if (auto* range = Lookup<QLineEdit>(find, role::kRange)) {
            range->setToolTip(ToQString(kRangeHint));
        }
    }
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_find([this](ControlName name) { return control(name); })
{
    InstallAccessibleInterfaces();
    // The interface face is the application's before any control is made, so
    // that no box lays its text out in another face first.
    QApplication::setFont(m_fonts[FontRole::Default]);
    m_frameStyle = GroupBoxStyle::ForFusion(this);
    setObjectName(ToQString(role::kWindow.str()));
    setWindowTitle(ToQString(kWindowTitle));
    setWindowIcon(AppIcon());
    setFont(m_fonts[FontRole::Default]);
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));

    for (const Calculator* calculator : Calculators()) {
        m_models.push_back(std::make_unique<CalculatorModel>(*calculator));
    }
    m_built.assign(TabCaptions().size(), false);
    for (const ControlRow& row : ControlRows()) {
        if (PageOf(row.name) < 0) {
            MakeRow(row);
        }
    }
    auto* tabs = Lookup<QTabWidget>(m_find, role::kTabs);
    tabs->setCurrentIndex(kInitialTab);

    InstallChineseQtTexts();
    WireGuideLinks(-1, m_find, this);
    SetUpKeyboard(this, m_find);
    SetUpDocumentKeys(*this, [this] { return CurrentSource(); });
    SetUpBatch(*this, m_settings, [this](const Calculator& calculator) -> const InputValues& {
        return model(calculator).inputs();
    });
    SetUpTerms(*this, m_settings);
    SetUpTimetable(*this);
    BuildPage(kInitialTab);
    if (QWidget* first = FirstInputOf(m_find, kInitialTab)) {
        first->setFocus(Qt::OtherFocusReason);
    }
    CentreOnScreen();
}

MainWindow::~MainWindow()
{
    // The widgets go before the models they are bound to.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

CalculatorModel& MainWindow::model(const Calculator& calculator)
{
    for (const auto& model : m_models) {
        if (&model->calculator() == &calculator) {
            return *model;
        }
    }
    throw InternalError();  // every calculator of the table has its model
}

std::optional<DocumentSource> MainWindow::CurrentSource()
{
    const auto* tabs = Lookup<QTabWidget>(m_find, role::kTabs);
    for (const Calculator* calculator : Calculators()) {
        if (tabs != nullptr && PageOf(calculator->frame) == tabs->currentIndex()) {
            return PageSource{model(*calculator), m_settings};
        }
    }
    return std::nullopt;
}

QWidget* MainWindow::control(ControlName name)
{
    if (const auto it = m_widgets.find(name.str()); it != m_widgets.end()) {
        return it->second;
    }
    const int page = PageOf(name);
    if (page < 0 || page >= static_cast<int>(m_built.size()) || m_built[page]) {
        return nullptr;  // not a control of the window, or not made yet
    }
    static_cast<LazyPage*>(Lookup<QTabWidget>(m_find, role::kTabs)->widget(page))->Build();
    const auto it = m_widgets.find(name.str());
    return it == m_widgets.end() ? nullptr : it->second;
}

void MainWindow::MakeRow(const ControlRow& row)
{
    QWidget* container = this;
    if (row.container != role::kWindow) {
        // The table lists every container before its children (checked by its
        // test); were one missing, its children would stand on the window.
        container = m_widgets.count(row.container.str()) ? m_widgets[row.container.str()] : this;
        if (auto* tabs = qobject_cast<QTabWidget*>(container)) {
            container = tabs->widget(row.page);
        }
    }
    QWidget* widget = CreateControl(row, container, m_fonts, m_frameStyle);
    m_widgets.emplace(row.name.str(), widget);
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        for (std::size_t page = 0; page < TabCaptions().size(); ++page) {
            tabs->addTab(new LazyPage([this, page] { BuildPage(static_cast<int>(page)); }),
                         ToQString(TabCaptions()[page]));
        }
        m_placer = new TabPagePlacer(tabs);
    }
    const QRect rect = PixelRect(row);
    if (row.container == role::kTabs && m_placer != nullptr) {
        m_placer->Add(widget, QRect(rect.topLeft(), widget->size()));
        // A double-click on a control of a page is the control's own.
        widget->setAttribute(Qt::WA_NoMousePropagation);
    } else {
        widget->move(rect.topLeft());
    }
}

void MainWindow::BuildPage(int page)
{
    if (m_built[page]) {
        return;
    }
    m_built[page] = true;
    for (const ControlRow& row : ControlRows()) {
        if (PageOf(row.name) == page) {
            MakeRow(row);
        }
    }
    AttachPage(page);
}

void MainWindow::AttachPage(int page)
{
    AttachInputAids(m_find, page);
    for (const Calculator* calculator : Calculators()) {
        if (PageOf(calculator->frame) != page) {
            continue;
        }
        for (const CalculatorStep& step : calculator->steps) {
            if (auto* label = Lookup<QLabel>(m_find, step.result)) {
                ResultView::Attach(label, Lookup<QFrame>(m_find, step.resultBox), IsMoney(step));
            }
        }
        CalculatorModel& pageModel = model(*calculator);
        const bool followsTerms =
            std::any_of(calculator->steps.begin(), calculator->steps.end(),
                        [](const CalculatorStep& step) { return step.followsTerms; });
        if (followsTerms) {
            SayUnreadSettings(*this, m_settings);
            pageModel.SetTerms(m_settings.terms());
            m_settings.Listen(this, [this, &pageModel] { pageModel.SetTerms(m_settings.terms()); });
        }
        AttachInputNotes(*calculator, m_find);
        NameForScreenReaders(*calculator, m_find);
        BindPage(pageModel, m_find, this);
        SetUpEnterKeys(*calculator, m_find);
        OfferDocumentsOnPage(*this, *calculator, m_find, [this] { return CurrentSource(); });
        OfferBatchOnPage(*this, *calculator, m_find, m_settings, pageModel.inputs());
    }
    OfferTermsOnPage(*this, m_find, page, m_settings);
    OfferTimetableOnPage(*this, m_find, page);
    WireGuideLinks(page, m_find, this);
    SetFocusOrder();
}

void MainWindow::SetFocusOrder()
{
    // The controls made so far, in the table's order; the tab control takes
    // part through its tab bar.
    QWidget* previous = nullptr;
    for (ControlName name : FocusOrder()) {
        const auto it = m_widgets.find(name.str());
        if (it == m_widgets.end()) {
            continue;
        }
        QWidget* widget = it->second;
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            widget = tabs->tabBar();
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (BatchesMayClose(*this)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::CentreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

QString WriteCalculationSheet(MainWindow& window, const QString& pdfPath, const SheetHeader& header)
{
    const auto source = window.CurrentSource();
    if (!source) {
        return QStringLiteral("这一页没有计算书");
    }
    const SheetDraft draft = PageSheetDraft(*source);
    return draft.problem.isEmpty() ? WriteSheet(draft.make(header), pdfPath) : draft.problem;
}

QString PrintCalculationSheet(MainWindow& window, QPagedPaintDevice& device,
                              const SheetHeader& header)
{
    const auto source = window.CurrentSource();
    if (!source) {
        return QStringLiteral("这一页没有计算书");
    }
    const SheetDraft draft = PageSheetDraft(*source);
    if (!draft.problem.isEmpty()) {
        return draft.problem;
    }
    const SheetDocument sheet = draft.make(header);
    device.setPageLayout(SheetPageLayout(sheet));
    PaintSheet(sheet, device);
    return {};
}

bool HasCalculationSheet(MainWindow& window)
{
    return window.CurrentSource().has_value();
}

BatchWindow* OpenBatch(MainWindow& window, const Calculator& calculator)
{
    return OpenBatch(static_cast<QWidget&>(window), calculator, window.settings(),
                     window.model(calculator).inputs());
}

}  // namespace kelvora::ui
