#pragma once
// The click layers' view of the window: reads inputs and writes results of
// the widgets by their roles. Texts cross as UTF-8.
//
//   role --ControlMap--> widget --Text | Checked | Date--> click layer
//   click layer --WriteResult--> label caption + tooltip working

#include <QWidget>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "calc/controls.h"

class QLabel;

namespace kelvora::ui {

using ControlMap = std::unordered_map<std::string_view, QWidget*>;

// The widget of `name` as a T. A name missing from the map or a widget of
// another kind is a fault of the tables, caught by their test and asserted
// in debug builds; a release build gets nullptr.
template <typename T = QWidget>
T* Lookup(const ControlMap& widgets, ControlName name)
{
    const auto it = widgets.find(name.str());
    T* widget = it == widgets.end() ? nullptr : qobject_cast<T*>(it->second);
    Q_ASSERT_X(widget != nullptr, "Lookup",
               "a control missing from the tables, or of another kind");
    return widget;
}

class WidgetControls : public Controls {
public:
    using WrittenHook = std::function<void(ControlName)>;

    // `written` is called after each result is written.
    WidgetControls(const ControlMap& widgets, WrittenHook written)
        : m_widgets(widgets), m_written(std::move(written))
    {
    }

    std::string Text(ControlName control) const override;
    bool Checked(ControlName control) const override;
    DateTime Date(ControlName control) const override;
    // The working becomes the label's tooltip; the label fits its new caption.
    void WriteResult(ControlName control, const Result& result) override;

private:
    const ControlMap& m_widgets;
    WrittenHook m_written;
};

}  // namespace kelvora::ui
