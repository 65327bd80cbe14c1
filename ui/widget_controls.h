#pragma once
// The click layers' view of the window: reads and writes widgets by their
// control names. Texts cross as UTF-8.

#include <QLabel>
#include <QWidget>
#include <string_view>
#include <unordered_map>

#include "calc/controls.h"

namespace kelvora::ui {

using ControlMap = std::unordered_map<std::string_view, QWidget*>;

class WidgetControls : public Controls {
public:
    explicit WidgetControls(const ControlMap& widgets) : m_widgets(widgets) {}

    std::string Text(std::string_view control) const override;
    int Value(std::string_view control) const override;
    DateTime Date(std::string_view control) const override;
    void SetCaption(std::string_view control, std::string_view caption) override;
    // The working becomes the label's tooltip.
    void SetWorking(std::string_view control, std::string_view working) override;

private:
    QWidget* Find(std::string_view control) const;
    QLabel* FindLabel(std::string_view control) const;

    const ControlMap& m_widgets;
};

}  // namespace kelvora::ui
