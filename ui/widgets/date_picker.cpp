#include "ui/widgets/date_picker.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "calc/typed_date.h"
#include "ui/widgets/note_mark.h"

namespace kelvora::ui {
namespace {

bool IsSeparator(const QString& text)
{
    return text == QLatin1String("/") || text == QLatin1String("-") || text == QLatin1String(".") ||
           text == QStringLiteral("年") || text == QStringLiteral("月");
}

}  // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    if (auto* edit = findChild<QLineEdit*>()) {
        AddNoteMark(edit);
    }
    // any date set afterwards replaces what a refused text was about
    connect(this, &QDateEdit::dateChanged, this, [this] { ShowInputNote(this, {}); });
}

DatePicker::TypedDate DatePicker::ReadTyped(const QString& text, QDate minimum, QDate maximum)
{
    const kelvora::TypedDate typed = ReadTypedDate(text.toStdString());
    switch (typed.kind) {
        case TypedDateKind::NoDate:
            return {Typed::NoDate, {}};
        case TypedDateKind::NotReal:
            return {Typed::NotReal, {}};
        case TypedDateKind::Valid:
            break;
    }
    const QDate date(typed.day.year, typed.day.month, typed.day.day);
    if (date < minimum || date > maximum) {
        return {Typed::OutOfRange, date};
    }
    return {Typed::Valid, date};
}

std::optional<QDate> DatePicker::ParseTyped(const QString& text)
{
    const TypedDate typed = ReadTyped(text, QDate(1, 1, 1), QDate(9999, 12, 31));
    if (typed.kind != Typed::Valid) {
        return std::nullopt;
    }
    return typed.date;
}

bool DatePicker::Apply(const QString& text, QDate unchanged)
{
    const TypedDate typed = ReadTyped(text, minimumDate(), maximumDate());
    const QString shown = text.trimmed();
    switch (typed.kind) {
        case Typed::NoDate:
            return false;
        case Typed::Valid:
            setDate(typed.date);
            return true;
        case Typed::NotReal:
            setDate(unchanged);
            ShowInputNote(this, QStringLiteral("“%1”不是有效的日期，日期未更改").arg(shown));
            return true;
        case Typed::OutOfRange:
            setDate(unchanged);
            ShowInputNote(this, QStringLiteral("“%1”超出可选的日期范围（%2～%3），日期未更改")
                                    .arg(shown, locale().toString(minimumDate(), displayFormat()),
                                         locale().toString(maximumDate(), displayFormat())));
            return true;
    }
    return false;
}

void DatePicker::TakeTypedDate()
{
    if (m_typed.isEmpty()) {
        return;
    }
    const QString typed = m_typed;
    m_typed.clear();
    Apply(typed, m_before);
}

void DatePicker::OpenCalendar()
{
    m_typed.clear();
    // Qt opens the pop-up only from a press on the box's arrow, at its right end.
    const QPointF arrow(width() - 6, height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

bool DatePicker::PasteDate()
{
    m_typed.clear();
    return Apply(QGuiApplication::clipboard()->text(), date());
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) ||
        (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        OpenCalendar();
        return;
    }
    if (event->matches(QKeySequence::Paste) && PasteDate()) {
        return;
    }
    const QString text = event->text();
    const bool typing = text.size() == 1 &&
                        (text.at(0).isDigit() || IsSeparator(text) || text == QStringLiteral("日"));
    if (typing) {
        if (m_typed.isEmpty()) {
            m_before = date();
        }
        m_typed += text;
    } else if (event->key() == Qt::Key_Backspace) {
        m_typed.chop(1);
    } else if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
               event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        TakeTypedDate();
    } else if (event->key() != Qt::Key_Shift) {
        m_typed.clear();  // stepping or moving: no whole date is being typed
    }
    if (IsSeparator(text) || text == QStringLiteral("日")) {
        if (m_sectionMovedOn || text == QStringLiteral("日")) {
            m_sectionMovedOn = false;  // the box is already in the next section
            event->accept();
            return;
        }
        // Any separator moves on to the next section, selected for typing over.
        if (currentSectionIndex() + 1 < sectionCount()) {
            setCurrentSectionIndex(currentSectionIndex() + 1);
            setSelectedSection(currentSection());
        }
        event->accept();
        return;
    }
    const Section before = currentSection();
    QDateEdit::keyPressEvent(event);
    m_sectionMovedOn = text.size() == 1 && text.at(0).isDigit() && currentSection() != before;
}

bool DatePicker::event(QEvent* event)
{
    // Text from an input method (full-width digits, "2024年3月4日") is taken
    // whole when the box is left, whichever section is selected (the date
    // box turns input methods off in its number sections).
    if (event->type() == QEvent::InputMethod) {
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        if (!commit.isEmpty()) {
            if (m_typed.isEmpty()) {
                m_before = date();
            }
            m_typed += commit;
            event->accept();
            return true;
        }
    }
    return QDateEdit::event(event);
}

void DatePicker::mousePressEvent(QMouseEvent* event)
{
    m_typed.clear();
    QDateEdit::mousePressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent* event)
{
    m_typed.clear();
    QDateEdit::focusInEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    QDateEdit::focusOutEvent(event);
    TakeTypedDate();
}

QValidator::State DatePicker::validate(QString& input, int& pos) const
{
    const QValidator::State state = QDateEdit::validate(input, pos);
    if (state == QValidator::Acceptable) {
        return state;
    }
    // A whole date pasted or dropped in another of the usual forms.
    if (const TypedDate typed = ReadTyped(input, minimumDate(), maximumDate());
        typed.kind == Typed::Valid) {
        input = locale().toString(typed.date, displayFormat());
        pos = static_cast<int>(input.size());
        return QValidator::Acceptable;
    }
    return state;
}

bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::fixup(QString& input) const
{
    if (const TypedDate typed = ReadTyped(input, minimumDate(), maximumDate());
        typed.kind == Typed::Valid) {
        input = locale().toString(typed.date, displayFormat());
        return;
    }
    QDateEdit::fixup(input);
}

}  // namespace kelvora::ui
