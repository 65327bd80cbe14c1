#pragma once
// Controls without a window: the texts, ticks and dates of one set of
// inputs, and the results the clicks write, held by role. The batch works a
// row through the calculators' own clicks with it.

#include <map>
#include <string>

#include "calc/controls.h"

namespace kelvora {

class ControlValues : public Controls {
public:
    std::string Text(ControlName control) const override
    {
        const auto it = m_texts.find(control.str());
        return it == m_texts.end() ? std::string() : it->second;
    }
    bool Checked(ControlName control) const override
    {
        const auto it = m_ticked.find(control.str());
        return it != m_ticked.end() && it->second;
    }
    DateTime Date(ControlName control) const override
    {
        const auto it = m_dates.find(control.str());
        return it == m_dates.end() ? DateTime{} : it->second;
    }
    void WriteResult(ControlName control, const Result& result) override
    {
        m_texts[std::string(control.str())] = result.caption;
        m_amounts[std::string(control.str())] = result.amount;
    }

    // The amount a result's yuan come from, as written with it.
    std::string Amount(ControlName control) const
    {
        const auto it = m_amounts.find(control.str());
        return it == m_amounts.end() ? std::string() : it->second;
    }

    void SetText(ControlName control, std::string text)
    {
        m_texts[std::string(control.str())] = std::move(text);
    }
    void SetTicked(ControlName control, bool ticked)
    {
        m_ticked[std::string(control.str())] = ticked;
    }
    void SetDate(ControlName control, DateTime date) { m_dates[std::string(control.str())] = date; }

private:
    std::map<std::string, std::string, std::less<>> m_texts;
    std::map<std::string, std::string, std::less<>> m_amounts;
    std::map<std::string, bool, std::less<>> m_ticked;
    std::map<std::string, DateTime, std::less<>> m_dates;
};

}  // namespace kelvora
