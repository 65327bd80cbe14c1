// Saves a PNG of each tab of the real window, as it opens, into the working
// directory (CTest runs it in the build folder): kelvora-tab0.png .. tab3.png,
// and kelvora-tooltip.png with the working behind a tender fee.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <cstdio>

#include "ui/main_window.h"

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
    auto* tabs = qobject_cast<QTabWidget*>(window.control(kelvora::role::kTabs));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file = QDir::current().filePath(QStringLiteral("kelvora-tab%1.png").arg(i));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }

    // The working behind a fee, as hovering Label5 shows it.
    tabs->setCurrentIndex(0);
    auto* amount = qobject_cast<QLineEdit*>(window.control(kelvora::role::kTenderAmount));
    amount->setText(QStringLiteral("6000"));
    QTest::mouseClick(qobject_cast<QPushButton*>(window.control(kelvora::role::kTenderCalculate)),
                      Qt::LeftButton);
    auto* label = qobject_cast<QLabel*>(window.control(kelvora::role::kTenderFee));
    QToolTip::showText(label->mapToGlobal(QPoint(4, label->height() + 2)), label->toolTip(), label);
    QApplication::processEvents();
    QImage shot = window.grab().toImage();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->inherits("QTipLabel")) {
            // Widen the picture if the tip reaches past the window, then paint the tip on it.
            const QPoint at = top->pos() - window.geometry().topLeft();
            QImage canvas(shot.size().expandedTo(
                              QSize(at.x() + top->width() + 8, at.y() + top->height() + 8)),
                          QImage::Format_ARGB32);
            canvas.fill(Qt::white);
            QPainter painter(&canvas);
            painter.drawImage(0, 0, shot);
            painter.drawPixmap(at, top->grab());
            painter.end();
            shot = canvas;
        }
    }
    const QString file = QDir::current().filePath(QStringLiteral("kelvora-tooltip.png"));
    if (!shot.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s\n", qPrintable(file));
    return 0;
}
