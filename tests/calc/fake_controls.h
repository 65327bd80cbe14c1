#pragma once
// A window without widgets: control texts, values and captions in maps.

#include <map>
#include <string>
#include <string_view>

#include "calc/controls.h"

namespace kelvora::testing {

class FakeControls : public Controls {
public:
    std::string Text(std::string_view control) const override
    {
        const auto it = m_texts.find(control);
        return it == m_texts.end() ? std::string() : it->second;
    }
    int Value(std::string_view control) const override
    {
        const auto it = m_values.find(control);
        return it == m_values.end() ? kUnchecked : it->second;
    }
    DateTime Date(std::string_view control) const override
    {
        const auto it = m_dates.find(control);
        return it == m_dates.end() ? DateTime{} : it->second;
    }
    void SetCaption(std::string_view control, std::string_view caption) override
    {
        m_texts[std::string(control)] = std::string(caption);
        ++m_writes;
    }

    void SetWorking(std::string_view control, std::string_view working) override
    {
        m_workings[std::string(control)] = std::string(working);
    }
    std::string Working(std::string_view control) const
    {
        const auto it = m_workings.find(control);
        return it == m_workings.end() ? std::string() : it->second;
    }

    void SetText(const std::string& control, const std::string& text) { m_texts[control] = text; }
    void SetValue(const std::string& control, int value) { m_values[control] = value; }
    void SetDate(const std::string& control, DateTime date) { m_dates[control] = date; }
    int writes() const { return m_writes; }

private:
    std::map<std::string, std::string, std::less<>> m_texts;
    std::map<std::string, int, std::less<>> m_values;
    std::map<std::string, DateTime, std::less<>> m_dates;
    std::map<std::string, std::string, std::less<>> m_workings;
    int m_writes = 0;
};

}  // namespace kelvora::testing
