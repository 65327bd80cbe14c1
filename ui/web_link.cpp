#include "ui/web_link.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <string>

namespace kelvora::ui {

void OpenWebPage()
{
    const QUrl url(
        QString::fromUtf8(kWebPageAddress.data(), static_cast<qsizetype>(kWebPageAddress.size())));
    if (!QDesktopServices::openUrl(url)) {
        throw LinkOpenError("cannot open " + std::string(kWebPageAddress));
    }
}

}  // namespace kelvora::ui
