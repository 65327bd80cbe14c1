#pragma once
// A window without widgets: control texts, ticks, dates and results in maps.

#include <map>
#include <string>
#include <string_view>

#include "calc/controls.h"
#include "calc/yuan_amount.h"

namespace kelvora::testing {

class FakeControls : public Controls {
public:
    std::string Text(ControlName control) const override { return Find(m_texts, control, {}); }
    bool Checked(ControlName control) const override { return Find(m_checked, control, false); }
    DateTime Date(ControlName control) const override { return Find(m_dates, control, {}); }
    void WriteResult(ControlName control, const Result& result) override
    {
        m_texts[std::string(control.str())] = result.caption;
        m_workings[std::string(control.str())] = ShownWorking(result);
        ++m_writes;
    }

    // The working as the window shows it, with the yuan lines of an amount.
    std::string Working(ControlName control) const { return Find(m_workings, control, {}); }
    void SetText(ControlName control, const std::string& text)
    {
        m_texts[std::string(control.str())] = text;
    }
    void SetChecked(ControlName control, bool checked)
    {
        m_checked[std::string(control.str())] = checked;
    }
    void SetDate(ControlName control, DateTime date) { m_dates[std::string(control.str())] = date; }
    int writes() const { return m_writes; }

private:
    template <typename T>
    using Map = std::map<std::string, T, std::less<>>;

    template <typename T>
    static T Find(const Map<T>& map, ControlName control, T otherwise)
    {
        const auto it = map.find(control.str());
        return it == map.end() ? otherwise : it->second;
    }

    Map<std::string> m_texts;
    Map<bool> m_checked;
    Map<DateTime> m_dates;
    Map<std::string> m_workings;
    int m_writes = 0;
};

}  // namespace kelvora::testing
