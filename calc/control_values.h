#pragma once
// Controls without a window: the texts, ticks and dates of one lot's inputs,
// and the results the clicks write, by role. The batch works each lot
// through the calculators' own clicks with it, one instance for all lots:
// a few roles in flat lists, the texts seen where they stand (never copied),
// and no workings written.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/controls.h"

namespace kelvora {

class ControlValues : public Controls {
public:
    std::string Text(ControlName control) const override
    {
        for (const auto& [name, text] : m_texts) {
            if (name == control) {
                return std::string(text);
            }
        }
        for (const auto& [name, result] : m_results) {
            if (name == control) {
                return result.caption;
            }
        }
        return {};
    }
    bool Checked(ControlName control) const override
    {
        for (const auto& [name, ticked] : m_ticked) {
            if (name == control) {
                return ticked;
            }
        }
        return false;
    }
    DateTime Date(ControlName control) const override
    {
        for (const auto& [name, date] : m_dates) {
            if (name == control) {
                return date;
            }
        }
        return {};
    }
    void WriteResult(ControlName control, const Result& result) override
    {
        for (auto& [name, written] : m_results) {
            if (name == control) {
                written = result;
                return;
            }
        }
        m_results.emplace_back(control, result);
    }
    bool WantsWorking() const override { return false; }

    // The result last written, or an empty one.
    const Result& Written(ControlName control) const
    {
        static const Result kNone;
        for (const auto& [name, result] : m_results) {
            if (name == control) {
                return result;
            }
        }
        return kNone;
    }

    // `text` must outlive its reading (the lot's own cell).
    void SetText(ControlName control, std::string_view text)
    {
        m_texts.emplace_back(control, text);
    }
    void SetTicked(ControlName control, bool ticked) { m_ticked.emplace_back(control, ticked); }
    void SetDate(ControlName control, DateTime date) { m_dates.emplace_back(control, date); }

    // Forgets every value, keeping the room they took for the next lot.
    void Clear()
    {
        m_texts.clear();
        m_ticked.clear();
        m_dates.clear();
        m_results.clear();
    }

private:
    std::vector<std::pair<ControlName, std::string_view>> m_texts;
    std::vector<std::pair<ControlName, bool>> m_ticked;
    std::vector<std::pair<ControlName, DateTime>> m_dates;
    std::vector<std::pair<ControlName, Result>> m_results;
};

}  // namespace kelvora
