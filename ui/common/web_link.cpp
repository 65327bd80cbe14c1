#include "ui/common/web_link.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "ui/common/qt_text.h"

namespace kelvora::ui {

void OpenWebPage()
{
    if (!QDesktopServices::openUrl(QUrl(ToQString(kWebPageAddress)))) {
        throw LinkOpenError(std::string(kWebPageAddress), false);
    }
}

void OpenLocalFile(const std::string& path)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) {
        throw LinkOpenError(path, true);
    }
}

}  // namespace kelvora::ui
