#include "ui/date_picker.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>

namespace kelvora::ui {
namespace {

bool IsSeparator(const QString& text)
{
    return text == QLatin1String("/") || text == QLatin1String("-") || text == QLatin1String(".");
}

}  // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
}

std::optional<QDate> DatePicker::ParseTyped(const QString& text)
{
    static const QRegularExpression separated(
        QStringLiteral("^\\s*(\\d{1,4})\\s*([/.\\-])\\s*(\\d{1,2})\\s*\\2\\s*(\\d{1,2})\\s*$"));
    static const QRegularExpression compact(QStringLiteral("^\\s*(\\d{4})(\\d{2})(\\d{2})\\s*$"));
    int year = 0;
    int month = 0;
    int day = 0;
    if (const QRegularExpressionMatch m = separated.match(text); m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(3).toInt();
        day = m.captured(4).toInt();
    } else if (const QRegularExpressionMatch c = compact.match(text); c.hasMatch()) {
        year = c.captured(1).toInt();
        month = c.captured(2).toInt();
        day = c.captured(3).toInt();
    } else {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

void DatePicker::OpenCalendar()
{
    // Qt opens the pop-up on F4 itself; a key press it takes to do so.
    QKeyEvent f4(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QDateEdit::keyPressEvent(&f4);
}

bool DatePicker::PasteDate()
{
    const auto date = ParseTyped(QGuiApplication::clipboard()->text());
    if (!date || *date < minimumDate() || *date > maximumDate()) {
        return false;
    }
    setDate(*date);
    return true;
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) {
        OpenCalendar();
        return;
    }
    if (event->matches(QKeySequence::Paste) && PasteDate()) {
        return;
    }
    const QString text = event->text();
    if (IsSeparator(text)) {
        if (m_sectionMovedOn) {
            m_sectionMovedOn = false;  // the box is already in the next section
            event->accept();
            return;
        }
        // Any separator moves on as the box's own "/" does.
        QKeyEvent slash(event->type(), Qt::Key_Slash, event->modifiers(), QStringLiteral("/"));
        QDateEdit::keyPressEvent(&slash);
        return;
    }
    const Section before = currentSection();
    QDateEdit::keyPressEvent(event);
    m_sectionMovedOn = text.size() == 1 && text.at(0).isDigit() && currentSection() != before;
}

QValidator::State DatePicker::validate(QString& input, int& pos) const
{
    const QValidator::State state = QDateEdit::validate(input, pos);
    if (state == QValidator::Acceptable) {
        return state;
    }
    // A whole date pasted or dropped in another of the usual forms.
    if (const auto date = ParseTyped(input);
        date && *date >= minimumDate() && *date <= maximumDate()) {
        input = locale().toString(*date, displayFormat());
        pos = static_cast<int>(input.size());
        return QValidator::Acceptable;
    }
    return state;
}

void DatePicker::fixup(QString& input) const
{
    if (const auto date = ParseTyped(input)) {
        input = locale().toString(*date, displayFormat());
        return;
    }
    QDateEdit::fixup(input);
}

}  // namespace kelvora::ui
