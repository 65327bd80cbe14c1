#include "ui/common/control_lookup.h"

#include "ui/common/qt_text.h"

namespace kelvora::ui {

ControlLookup ChildLookup(QWidget& window)
{
    return [&window](ControlName name) -> QWidget* {
        if (window.objectName() == ToQString(name.str())) {
            return &window;
        }
        return window.findChild<QWidget*>(ToQString(name.str()));
    };
}

}  // namespace kelvora::ui
