// Saves PNGs of the real window into the working directory (CTest runs it in
// the build folder): kelvora-tab0.png .. tab3.png as the window opens, then
// the window with a tooltip or a list open, as a person sees it:
// kelvora-tooltip.png (the working behind a tender fee) and
// kelvora-discipline-list.png (the discipline coefficients).

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <cstdio>

#include "ui/main_window.h"

namespace {

using namespace kelvora;

template <typename T>
T* Control(MainWindow& window, ControlName name)
{
    return qobject_cast<T*>(window.control(name));
}

// The window with every tooltip and menu open over it painted in, the
// picture widened where they reach past the window.
bool Save(MainWindow& window, const QString& name)
{
    QApplication::processEvents();
    QImage shot = window.grab().toImage();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || !(top->inherits("QTipLabel") || top->inherits("QMenu"))) {
            continue;
        }
        const QPoint at = top->pos() - window.geometry().topLeft();
        QImage canvas(
            shot.size().expandedTo(QSize(at.x() + top->width() + 8, at.y() + top->height() + 8)),
            QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.drawImage(0, 0, shot);
        painter.drawPixmap(at, top->grab());
        painter.end();
        shot = canvas;
    }
    const QString file = QDir::current().filePath(name);
    if (!shot.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "window not shown\n");
        return 1;
    }
    auto* tabs = Control<QTabWidget>(window, role::kTabs);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        if (!Save(window, QStringLiteral("kelvora-tab%1.png").arg(i))) {
            return 1;
        }
    }

    // The working behind a fee, as hovering Label5 shows it.
    tabs->setCurrentIndex(0);
    Control<QLineEdit>(window, role::kTenderAmount)->setText(QStringLiteral("6000"));
    QTest::mouseClick(Control<QPushButton>(window, role::kTenderCalculate), Qt::LeftButton);
    auto* label = Control<QLabel>(window, role::kTenderFee);
    QToolTip::showText(label->mapToGlobal(QPoint(4, label->height() + 2)), label->toolTip(), label);
    if (!Save(window, QStringLiteral("kelvora-tooltip.png"))) {
        return 1;
    }
    QToolTip::hideText();

    // The discipline coefficients, opened from the keyboard.
    tabs->setCurrentIndex(1);
    auto* discipline = Control<QLineEdit>(window, role::kDiscipline);
    discipline->setFocus();
    QTest::keyClick(discipline, Qt::Key_Down, Qt::AltModifier);
    const bool saved = Save(window, QStringLiteral("kelvora-discipline-list.png"));
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        menu->close();
    }
    return saved ? 0 : 1;
}
