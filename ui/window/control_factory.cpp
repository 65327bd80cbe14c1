#include "ui/window/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "calc/calculators.h"
#include "ui/common/qt_text.h"
#include "ui/layout/fonts.h"
#include "ui/widgets/date_picker.h"
#include "ui/widgets/fitting_label.h"

namespace kelvora::ui {
namespace {

QDate ToQDate(CivilDay day)
{
    return QDate(day.year, day.month, day.day);
}

QLabel* MakeLabel(const ControlRow& row, QWidget* parent)
{
    auto* label = new FittingLabel(ToQString(row.content), SizesToText(row.kind),
                                   row.kind == ControlKind::LinkLabel, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    switch (row.kind) {
        case ControlKind::ResultLabel:
            // An empty result keeps the width of the empty label.
            label->setMinimumWidth(TwipsToPixels(row.width));
            break;
        case ControlKind::NoticeLabel:
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        case ControlKind::LinkLabel:
            label->setCursor(Qt::PointingHandCursor);
            // reachable with Tab on its page, and pressed with Enter or Space
            label->setFocusPolicy(Qt::StrongFocus);
            break;
        default:
            break;
    }
    return label;
}

QComboBox* MakeComboBox(const ControlRow& row, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // The typed text is the choice: nothing is completed or added to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    // The list is the input's entries; it starts on the first.
    if (const CalculatorInput* input = InputOf(row.name)) {
        for (std::string_view entry : input->entries) {
            combo->addItem(ToQString(entry));
        }
    }
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    return combo;
}

QDateEdit* MakeDatePicker(QWidget* parent)
{
    auto* picker = new DatePicker(parent);
    picker->setDateRange(ToQDate(kPickerMinimum), ToQDate(kPickerMaximum));
    picker->setDate(ToQDate(kPickerInitial));
    picker->setDisplayFormat(ToQString(kPickerFormat));
    picker->setCalendarPopup(true);
    return picker;
}

QFrame* MakeShape(QWidget* parent)
{
    auto* shape = new QFrame(parent);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    return shape;
}

QWidget* Make(const ControlRow& row, QWidget* parent)
{
    const QString content = ToQString(row.content);
    switch (row.kind) {
        case ControlKind::TitleLabel:
        case ControlKind::PromptLabel:
        case ControlKind::ResultLabel:
        case ControlKind::NoticeLabel:
        case ControlKind::LinkLabel:
        case ControlKind::CreditLabel:
            return MakeLabel(row, parent);
        case ControlKind::TabControl:
            return new QTabWidget(parent);
        case ControlKind::Frame:
            return new QGroupBox(content, parent);
        case ControlKind::TextBox:
            return new QLineEdit(parent);
        case ControlKind::ComboBox:
            return MakeComboBox(row, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(content, parent);
        case ControlKind::OptionButton:
            return new QRadioButton(content, parent);
        case ControlKind::Shape:
            return MakeShape(parent);
        case ControlKind::Button: {
            auto* button = new QPushButton(content, parent);
            button->setCursor(Qt::PointingHandCursor);
            return button;
        }
        case ControlKind::DatePicker:
            return MakeDatePicker(parent);
        case ControlKind::BatchEntry:
        case ControlKind::TermsEntry:
        case ControlKind::TimetableEntry: {
            auto* entry = new QPushButton(content, parent);
            entry->setFlat(true);
            entry->setFocusPolicy(Qt::NoFocus);  // Ctrl+B, Ctrl+T, Ctrl+D from the keyboard
            entry->setCursor(Qt::PointingHandCursor);
            return entry;
        }
    }
    return new QWidget(parent);
}

}  // namespace

bool SizesToText(ControlKind kind)
{
    switch (kind) {
        case ControlKind::TitleLabel:
        case ControlKind::PromptLabel:
        case ControlKind::ResultLabel:
        case ControlKind::LinkLabel:
        case ControlKind::CreditLabel:
            return true;
        default:
            return false;
    }
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent, const FontSet& fonts,
                       QStyle* frameStyle)
{
    QWidget* widget = Make(row, parent);
    const bool framed = row.kind == ControlKind::Frame || row.kind == ControlKind::TabControl;
    if (framed && frameStyle != nullptr) {
        widget->setStyle(frameStyle);
    }
    widget->setObjectName(ToQString(row.name.str()));
    if (row.font != FontRole::Default) {
        widget->setFont(fonts[row.font]);
    }
    if (row.colour != kDefaultColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(row.colour));
        palette.setColor(QPalette::ButtonText, QColor::fromRgb(row.colour));
        widget->setPalette(palette);
    }
    widget->resize(TwipsToPixels(row.width), TwipsToPixels(row.height));
    return widget;
}

}  // namespace kelvora::ui
