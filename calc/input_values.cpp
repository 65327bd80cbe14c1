#include "calc/input_values.h"

namespace kelvora {

const InputValues::Entry* InputValues::Find(ControlName control) const
{
    // The controls are the same named constants wherever they are spoken of:
    // the same text first, then a name written out again.
    for (std::size_t i = 0; i < m_used; ++i) {
        if (m_entries[i].control.str().data() == control.str().data()) {
            return &m_entries[i];
        }
    }
    for (std::size_t i = 0; i < m_used; ++i) {
        if (m_entries[i].control == control) {
            return &m_entries[i];
        }
    }
    return nullptr;
}

InputValues::Entry& InputValues::Place(ControlName control)
{
    // Lot after lot the inputs come in the same order: the next room kept
    // from the lot before is most likely this control's (and no other holds it).
    const bool next =
        m_used < m_entries.size() && m_entries[m_used].control.str().data() == control.str().data();
    if (!next) {
        if (const Entry* found = Find(control)) {
            return const_cast<Entry&>(*found);
        }
    }
    if (m_used == m_entries.size()) {
        m_entries.push_back(Entry{control, {}, std::nullopt, false, {}});
    }
    Entry& entry = m_entries[m_used++];
    entry.control = control;
    entry.text.clear();
    entry.number.reset();
    entry.ticked = false;
    entry.date = {};
    return entry;
}

std::string_view InputValues::Text(ControlName control) const
{
    const Entry* entry = Find(control);
    return entry != nullptr ? std::string_view(entry->text) : std::string_view();
}

bool InputValues::Ticked(ControlName control) const
{
    const Entry* entry = Find(control);
    return entry != nullptr && entry->ticked;
}

DateTime InputValues::Date(ControlName control) const
{
    const Entry* entry = Find(control);
    return entry != nullptr ? entry->date : DateTime{};
}

bool InputValues::SetText(ControlName control, std::string_view text)
{
    Entry& entry = Place(control);
    if (entry.text == text) {
        return false;
    }
    entry.text.assign(text);
    entry.number.reset();
    return true;
}

void InputValues::SetNumber(ControlName control, double number)
{
    Place(control).number = number;
}

std::optional<double> InputValues::Number(ControlName control) const
{
    const Entry* entry = Find(control);
    return entry != nullptr ? entry->number : std::nullopt;
}

bool InputValues::SetTicked(ControlName control, bool ticked)
{
    Entry& entry = Place(control);
    const bool changed = entry.ticked != ticked;
    entry.ticked = ticked;
    return changed;
}

bool InputValues::SetDate(ControlName control, DateTime date)
{
    Entry& entry = Place(control);
    const bool changed = entry.date != date;
    entry.date = date;
    return changed;
}

void InputValues::Clear()
{
    m_used = 0;
}

}  // namespace kelvora
