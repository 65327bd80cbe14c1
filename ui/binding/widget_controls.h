#pragma once
// The click layers' view of the window: reads inputs and writes results of
// the widgets by their roles. Texts cross as UTF-8.
//
//   role --ControlLookup--> widget --ShownText | IsTicked | ShownDateTime--> click layer
//   click layer --WriteResult--> label caption + tooltip working

#include <functional>

#include "calc/controls.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

class WidgetControls : public Controls {
public:
    using WrittenHook = std::function<void(ControlName)>;

    // `written` is called after each result is written.
    explicit WidgetControls(ControlLookup find, WrittenHook written = {})
        : m_find(std::move(find)), m_written(std::move(written))
    {
    }

    std::string Text(ControlName control) const override;
    bool Checked(ControlName control) const override;
    DateTime Date(ControlName control) const override;
    // The working becomes the label's tooltip; the label fits its new caption.
    void WriteResult(ControlName control, const Result& result) override;

    // What a result label shows now: its caption, and the working and amount
    // written with it.
    Result Shown(ControlName result) const;

private:
    ControlLookup m_find;
    WrittenHook m_written;
};

}  // namespace kelvora::ui
