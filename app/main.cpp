// Kelvora: starts the window and runs until it is closed.

#include <QApplication>

#include "ui/window/main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));  // where settings are kept
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    QApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvora.Kelvora"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
