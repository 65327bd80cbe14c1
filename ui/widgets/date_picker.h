#pragma once
// The date pickers: a date box with a calendar pop-up, in Chinese whatever
// the system's locale. A date can be typed or pasted as a person writes it:
// "2024/3/4", "2024-03-04", "2024.3.4", "20240304" or "2024年3月4日", with
// full-width digits too. F4 or Alt+Down opens the calendar.
//
// Whatever part of the box is selected, a whole date typed and then left
// (Tab, Enter, the focus moving away) sets exactly that date; a text that is
// no real date in the picker's range changes nothing and leaves a mark that
// says so. Typing one section at a time works as in any date box.
//
//   keys typed --buffer--> leaving the box --ReadTyped--> setDate | mark

#include <QDateEdit>
#include <optional>

namespace kelvora::ui {

class DatePicker : public QDateEdit {
public:
    explicit DatePicker(QWidget* parent = nullptr);

    enum class Typed {
        NoDate,      // not a whole date (a section's digits, say)
        Valid,       // a date within the picker's range
        NotReal,     // written as a date, but there is no such day
        OutOfRange,  // a real day the picker cannot hold
    };
    struct TypedDate {
        Typed kind;
        QDate date;
    };
    // What a typed or pasted text says, against the range [minimum, maximum].
    static TypedDate ReadTyped(const QString& text, QDate minimum, QDate maximum);

    // A date written in one of the forms above, or nothing.
    static std::optional<QDate> ParseTyped(const QString& text);

    // Sets the whole date typed since the box was entered, if one was; called
    // when the box is left and before Enter presses a button.
    void TakeTypedDate();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    // Tab leaves the box, as it leaves every other control; the arrow keys
    // and the separators move between year, month and day.
    bool focusNextPrevChild(bool next) override;

private:
    bool PasteDate();
    void OpenCalendar();
    // Applies a whole date read from `text`; false when it is none.
    bool Apply(const QString& text, QDate unchanged);

    bool m_sectionMovedOn = false;  // the last digit typed filled a section
    QString m_typed;                // keys typed since the box was entered
    QDate m_before;                 // the date when that typing began
};

}  // namespace kelvora::ui
