#include "ui/web_link.h"

#include "ui/qt_text.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <string>

namespace kelvora::ui {

void OpenWebPage()
{
    const QUrl url(ToQString(kWebPageAddress));
    if (!QDesktopServices::openUrl(url)) {
        throw LinkOpenError("cannot open " + std::string(kWebPageAddress));
    }
}

}  // namespace kelvora::ui
