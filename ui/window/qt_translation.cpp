#include "ui/window/qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace kelvora::ui {

void InstallChineseQtTexts()
{
    QCoreApplication* app = QCoreApplication::instance();
    const QString name = QStringLiteral("kelvora-qtbase-zh_CN");
    if (app == nullptr || app->findChild<QTranslator*>(name) != nullptr) {
        return;
    }
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (translator->load(QStringLiteral(":/kelvora/translations/qtbase_zh_CN.qm"))) {
        QCoreApplication::installTranslator(translator);
    }
}

}  // namespace kelvora::ui
