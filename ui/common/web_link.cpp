#include "ui/common/web_link.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kelvora::ui {

QString GuidePath()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString places[] = {
        program.filePath(QStringLiteral("guide/index.html")),
        program.filePath(QStringLiteral("../share/doc/kelvora/guide/index.html")),
    };
    for (const QString& place : places) {
        if (QFileInfo::exists(place)) {
            return QDir::cleanPath(place);
        }
    }
    return QDir::cleanPath(places[0]);
}

void OpenGuide()
{
    const QString guide = GuidePath();
    if (!QFileInfo::exists(guide)) {
        throw LinkOpenError(QDir::toNativeSeparators(guide).toStdString(), true);
    }
    OpenLocalFile(guide.toStdString());
}

void OpenLocalFile(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
        // said as the system writes paths, for the user to find it
        throw LinkOpenError(QDir::toNativeSeparators(file).toStdString());
    }
}

}  // namespace kelvora::ui
