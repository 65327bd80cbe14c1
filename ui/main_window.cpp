#include "ui/main_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>

#include "ui/control_factory.h"
#include "ui/event_wiring.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/tab_page_placer.h"

namespace kelvora::ui {
namespace {

QRect PixelRect(const ControlSpec& row)
{
    return QRect(TwipsToPixels(row.left), TwipsToPixels(row.top), TwipsToPixels(row.width),
                 TwipsToPixels(row.height));
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/kelvora/kelvora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(ToQString(kWindowName));
    setWindowTitle(ToQString(kWindowTitle));
    setWindowIcon(AppIcon());
    const FontSet fonts;
    setFont(fonts[FontRole::Default]);
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));

    TabPagePlacer* placer = nullptr;
    for (const ControlSpec& row : ControlSpecs()) {
        QWidget* widget = CreateControl(row, ContainerFor(row.container, row.page), fonts);
        m_widgets.emplace(row.name, widget);
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (std::string_view caption : TabCaptions()) {
                tabs->addTab(new QWidget, ToQString(caption));
            }
            placer = new TabPagePlacer(tabs);
        }
        const QRect rect = PixelRect(row);
        if (row.container == kTabControlName && placer != nullptr) {
            placer->Add(widget, QRect(rect.topLeft(), widget->size()));
            // A double-click on a control of a page is the control's own.
            widget->setAttribute(Qt::WA_NoMousePropagation);
        } else {
            widget->move(rect.topLeft());
        }
    }
    static_cast<QTabWidget*>(control(kTabControlName))->setCurrentIndex(kInitialTab);

    SetFocusOrder();
    SetBuddies();
    m_controls = std::make_unique<WidgetControls>(m_widgets);
    WireEvents(m_widgets, *m_controls, this);
    CentreOnScreen();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::control(std::string_view name) const
{
    const auto it = m_widgets.find(name);
    return it == m_widgets.end() ? nullptr : it->second;
}

QWidget* MainWindow::ContainerFor(std::string_view container, int page) const
{
    if (container == kWindowName) {
        return const_cast<MainWindow*>(this);
    }
    QWidget* widget = control(container);
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        return tabs->widget(page);
    }
    return widget;
}

void MainWindow::SetFocusOrder()
{
    const auto order = FocusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(control(order[i]), control(order[i + 1]));
    }
}

void MainWindow::SetBuddies()
{
    for (const Buddy& buddy : Buddies()) {
        static_cast<QLabel*>(control(buddy.label))->setBuddy(control(buddy.input));
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
