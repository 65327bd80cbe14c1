#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDateEdit>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <set>
#include <string>

#include "calc/tender_fee.h"
#include "ui/control_factory.h"
#include "ui/control_table.h"
#include "ui/fonts.h"
#include "window_driver.h"

namespace kelvora::ui {
namespace {

using testing::WindowTest;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The Qt class each kind of control is built from.
const char* ClassOf(ControlKind kind)
{
    switch (kind) {
        case ControlKind::TitleLabel:
        case ControlKind::PromptLabel:
        case ControlKind::ResultLabel:
        case ControlKind::NoticeLabel:
        case ControlKind::LinkLabel:
        case ControlKind::CreditLabel:
            return "QLabel";
        case ControlKind::TabControl:
            return "QTabWidget";
        case ControlKind::Frame:
            return "QGroupBox";
        case ControlKind::TextBox:
            return "QLineEdit";
        case ControlKind::ComboBox:
            return "QComboBox";
        case ControlKind::CheckBox:
            return "QCheckBox";
        case ControlKind::OptionButton:
            return "QRadioButton";
        case ControlKind::Shape:
            return "QFrame";
        case ControlKind::Button:
            return "QPushButton";
        case ControlKind::DatePicker:
            return "QDateEdit";
    }
    return "";
}

TEST_F(WindowTest, OpensAsForm1WithItsTitleSizeAndTab)
{
    EXPECT_EQ(window().objectName(), "Form1");
    EXPECT_EQ(window().windowTitle(), "Kelvora V2.0");
    EXPECT_EQ(window().size(), QSize(477, 513));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_FALSE(window().windowIcon().pixmap(16, 16).isNull());
    EXPECT_FALSE(window().windowIcon().pixmap(32, 32).isNull());
    EXPECT_EQ(Tabs()->currentIndex(), 1);
    ASSERT_EQ(Tabs()->count(), 4);
    const auto captions = TabCaptions();
    for (int i = 0; i < Tabs()->count(); ++i) {
        EXPECT_EQ(Tabs()->tabText(i), Q(captions[static_cast<std::size_t>(i)]));
    }
    const QRect screen = window().screen()->availableGeometry();
    EXPECT_LE(std::abs(window().geometry().center().x() - screen.center().x()), 3);
    EXPECT_LE(std::abs(window().geometry().center().y() - screen.center().y()), 3);
}

TEST_F(WindowTest, EveryControlHasItsKindContainerPlaceAndContent)
{
    for (const ControlSpec& row : ControlSpecs()) {
        SCOPED_TRACE(std::string(row.name));
        QWidget* widget = window().control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), Q(row.name));
        EXPECT_EQ(window().findChild<QWidget*>(Q(row.name)), widget);
        EXPECT_STREQ(widget->metaObject()->className(), ClassOf(row.kind));

        // container, and the point the container measures from
        QWidget* origin = widget->parentWidget();
        if (row.container == "SSTab1") {
            ShowPage(row.page);
            EXPECT_EQ(widget->parentWidget(), Tabs()->widget(row.page));
            origin = Tabs();
        } else {
            EXPECT_EQ(widget->parentWidget()->objectName(), Q(row.container));
        }
        EXPECT_EQ(widget->mapTo(origin, QPoint(0, 0)), QPoint(row.left / 15, row.top / 15));

        const QSize specified(row.width / 15, row.height / 15);
        if (auto* label = qobject_cast<QLabel*>(widget); label && row.content.empty()) {
            EXPECT_EQ(label->size(), specified);  // an empty result label
        } else if (label && SizesToText(row.kind)) {
            EXPECT_EQ(label->size(), label->sizeHint().expandedTo(label->minimumSize()));
        } else if (row.kind == ControlKind::NoticeLabel) {
            EXPECT_EQ(widget->width(), specified.width());
            EXPECT_GE(widget->height(), specified.height());
        } else {
            EXPECT_EQ(widget->size(), specified);
        }

        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), Q(row.content));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), Q(row.content));
            EXPECT_FALSE(button->isChecked());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(box->title(), Q(row.content));
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_TRUE(edit->text().isEmpty());
        }
        if (row.colour.set) {
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), ToQColor(row.colour));
        }
    }
}

TEST_F(WindowTest, ResultLabelsAreRedAndEmptyAndGrowToTheRight)
{
    for (const char* name : {"Label5", "Label15", "Label10", "Label11", "Label14", "Label16"}) {
        SCOPED_TRACE(name);
        auto* label = Get<QLabel>(name);
        EXPECT_TRUE(label->text().isEmpty());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12.0);
        EXPECT_EQ(label->width(), 8);
    }
    EXPECT_EQ(ToQColor(kLightBlue), QColor(0x80, 0x80, 0xFF));
}

TEST_F(WindowTest, FontsAreTheFirstInstalledFaceOfEachRole)
{
    const QStringList installed = QFontDatabase::families();
    const auto expectedFamily = [&](FontRole role) {
        for (const QString& family : WantedFamilies(role)) {
            if (installed.contains(family, Qt::CaseInsensitive)) {
                return family;
            }
        }
        return QString();  // the system default
    };
    const struct {
        const char* control;
        FontRole role;
        qreal points;
    } cases[] = {
        {"Label1", FontRole::Prompt, 10.5},  {"Check1", FontRole::Prompt, 10.5},
        {"Option2", FontRole::Prompt, 10.5}, {"Label15", FontRole::Result, 12},
        {"Label23", FontRole::Title, 21.75}, {"Label24", FontRole::Credit, 9},
        {"Text2", FontRole::Default, 9},     {"Command10", FontRole::Default, 9},
    };
    for (const auto& c : cases) {
        const QFont font = Get(c.control)->font();
        EXPECT_EQ(font.families().value(0), expectedFamily(c.role)) << c.control;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), c.points) << c.control;
    }
    // the set-up installs a CJK face, so Chinese does not fall to a Latin font here
    EXPECT_FALSE(expectedFamily(FontRole::Prompt).isEmpty());
}

TEST_F(WindowTest, InputsStartAsTheUserExpects)
{
    auto* combo = Get<QComboBox>("Combo1");
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "工程招标");
    ASSERT_EQ(combo->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(combo->itemText(i), Q(kTenderTypeTexts[static_cast<std::size_t>(i)].text));
    }
    EXPECT_EQ(Get<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    EXPECT_EQ(Get<QPushButton>("Command3")->text(), " 监理取费");
    for (const char* name : {"DTPicker1", "DTPicker2"}) {
        auto* picker = Get<QDateEdit>(name);
        EXPECT_EQ(picker->date(), QDate(2009, 2, 6));
        EXPECT_EQ(picker->minimumDate(), QDate(1601, 1, 1));
        EXPECT_EQ(picker->maximumDate(), QDate(9999, 12, 31));
        EXPECT_EQ(picker->text(), "2009/2/6");
        EXPECT_TRUE(picker->calendarPopup());
    }
    for (const char* name :
         {"Command1", "Command10", "Command2", "Command3", "Command4", "Label22"}) {
        EXPECT_EQ(Get(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    }
}

TEST_F(WindowTest, OptionsFormOneGroup)
{
    ShowPage(1);
    Click("Option1");
    Click("Option3");
    EXPECT_FALSE(Get<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>("Option3")->isChecked());
}

TEST_F(WindowTest, TabKeyVisitsTheInputsInOrder)
{
    std::set<QWidget*> named;
    for (const ControlSpec& row : ControlSpecs()) {
        named.insert(window().control(row.name));
    }
    // The named control a widget of the focus chain belongs to.
    auto owner = [&](QWidget* w) {
        while (w != nullptr && named.count(w) == 0) {
            w = w->parentWidget();
        }
        return w;
    };
    std::vector<std::string> visited;
    QWidget* start = window().control("Text1");
    QWidget* w = start;
    do {
        QWidget* control = owner(w);
        if (control != nullptr && (w->focusPolicy() & Qt::TabFocus) &&
            (visited.empty() || visited.back() != control->objectName().toStdString())) {
            visited.push_back(control->objectName().toStdString());
        }
        w = w->nextInFocusChain();
    } while (w != start);

    const auto order = FocusOrder();
    ASSERT_GE(visited.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(visited[i], order[i]) << "position " << i;
    }
    EXPECT_EQ(visited.size(), order.size()) << "a control outside the focus order takes focus";
}

TEST_F(WindowTest, PromptLabelsNameTheirInputs)
{
    for (const Buddy& buddy : Buddies()) {
        auto* label = Get<QLabel>(std::string(buddy.label).c_str());
        EXPECT_EQ(label->buddy(), window().control(buddy.input)) << std::string(buddy.label);
    }
}

TEST_F(WindowTest, SwitchingPagesKeepsInputsAndResults)
{
    ShowPage(0);
    Type("Text1", "6000");
    Click("Command1");
    ShowPage(2);
    ShowPage(3);
    ShowPage(0);
    EXPECT_EQ(Get<QLineEdit>("Text1")->text(), "6000");
    EXPECT_EQ(Caption("Label5"), "22.55");
}

}  // namespace
}  // namespace kelvora::ui
