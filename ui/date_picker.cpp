#include "ui/date_picker.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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
    // Qt opens the pop-up only from a press on the box's arrow, at its right end.
    const QPointF arrow(width() - 6, height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
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
    if ((event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) ||
        (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
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

bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
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
