#pragma once
// The date pickers: a date box with a calendar pop-up, in Chinese whatever
// the system's locale. A date can be typed as a person writes it:
// "2024/12/31", "2024-12-31", "2024.12.31" or "20241231", typed or pasted
// over the whole box. F4 or Alt+Down opens the calendar.
//
// Qt's date box moves on to the month by itself once four year digits are
// typed; a separator typed right after that would skip the month too, so it
// is taken as already done.

#include <QDateEdit>
#include <optional>

namespace kelvora::ui {

class DatePicker : public QDateEdit {
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // A date written in one of the forms above, or nothing.
    static std::optional<QDate> ParseTyped(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    // Tab leaves the box, as it leaves every other control; the arrow keys
    // and the separators move between year, month and day.
    bool focusNextPrevChild(bool next) override;

private:
    bool PasteDate();
    void OpenCalendar();

    bool m_sectionMovedOn = false;  // the last digit typed filled a section
};

}  // namespace kelvora::ui
