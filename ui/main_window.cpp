#include "ui/main_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "calc/coefficient_tables.h"
#include "calc/result_steps.h"
#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/coefficient_list.h"
#include "ui/control_factory.h"
#include "ui/event_wiring.h"
#include "ui/fonts.h"
#include "ui/input_notes.h"
#include "ui/keyboard.h"
#include "ui/qt_text.h"
#include "ui/qt_translation.h"
#include "ui/result_view.h"
#include "ui/sheet_export.h"
#include "ui/stale_tracker.h"
#include "ui/tab_page_placer.h"

namespace kelvora::ui {
namespace {

QRect PixelRect(const ControlRow& row)
{
    return QRect(TwipsToPixels(row.left), TwipsToPixels(row.top), TwipsToPixels(row.width),
                 TwipsToPixels(row.height));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    InstallAccessibleInterfaces();
    setObjectName(ToQString(role::kWindow.str()));
    setWindowTitle(ToQString(kWindowTitle));
    setWindowIcon(AppIcon());
    const FontSet fonts;
    setFont(fonts[FontRole::Default]);
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));

    TabPagePlacer* placer = nullptr;
    for (const ControlRow& row : ControlRows()) {
        QWidget* widget = CreateControl(row, ContainerFor(row.container, row.page), fonts);
        m_widgets.emplace(row.name.str(), widget);
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (std::string_view caption : TabCaptions()) {
                tabs->addTab(new QWidget, ToQString(caption));
            }
            placer = new TabPagePlacer(tabs);
        }
        const QRect rect = PixelRect(row);
        if (row.container == role::kTabs && placer != nullptr) {
            placer->Add(widget, QRect(rect.topLeft(), widget->size()));
            // A double-click on a control of a page is the control's own.
            widget->setAttribute(Qt::WA_NoMousePropagation);
        } else {
            widget->move(rect.topLeft());
        }
    }
    Lookup<QTabWidget>(m_widgets, role::kTabs)->setCurrentIndex(kInitialTab);

    InstallChineseQtTexts();
    SetFocusOrder();
    SetBuddies();
    AttachResultViews();
    AttachInputAids();
    AttachInputNotes(m_widgets);
    NameForScreenReaders(m_widgets);
    auto* stale = new StaleTracker(m_widgets, this);
    m_controls = std::make_unique<WidgetControls>(
        m_widgets, [stale](ControlName result) { stale->Written(result); });
    WireEvents(m_widgets, *m_controls, this);
    SetUpKeyboard(this, m_widgets);
    SetUpSheetExport(*this, m_widgets);
    CentreOnScreen();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::control(ControlName name) const
{
    const auto it = m_widgets.find(name.str());
    return it == m_widgets.end() ? nullptr : it->second;
}

QWidget* MainWindow::ContainerFor(ControlName container, int page)
{
    if (container == role::kWindow) {
        return this;
    }
    // The table lists every container before its children (checked by its
    // test); were one missing, its children would stand on the window.
    QWidget* widget = Lookup(m_widgets, container);
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        return tabs->widget(page);
    }
    return widget != nullptr ? widget : this;
}

void MainWindow::SetFocusOrder()
{
    // The tab control takes part through its tab bar.
    const auto focusable = [this](ControlName name) -> QWidget* {
        QWidget* widget = Lookup(m_widgets, name);
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            return tabs->tabBar();
        }
        return widget;
    };
    const auto order = FocusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(focusable(order[i]), focusable(order[i + 1]));
    }
}

void MainWindow::SetBuddies()
{
    for (const Buddy& buddy : Buddies()) {
        if (auto* label = Lookup<QLabel>(m_widgets, buddy.label)) {
            label->setBuddy(Lookup(m_widgets, buddy.input));
        }
    }
}

void MainWindow::AttachResultViews()
{
    for (const ResultBox& result : ResultBoxes()) {
        const ResultStep* step = StepOf(result.label);
        if (auto* label = Lookup<QLabel>(m_widgets, result.label)) {
            ResultView::Attach(label, Lookup<QFrame>(m_widgets, result.box),
                               step != nullptr && step->money);
        }
    }
}

void MainWindow::AttachInputAids()
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
        if (auto* box = Lookup<QLineEdit>(m_widgets, list.box)) {
            CoefficientList::Attach(box, list.rows, QString::fromUtf8(list.name));
        }
    }
    if (auto* range = Lookup<QLineEdit>(m_widgets, role::kRange)) {
        range->setToolTip(ToQString(kRangeHint));
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

}  // namespace kelvora::ui
