#include "ui/window/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDateEdit>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <map>
#include <set>
#include <string>

#include "calc/calculators.h"
#include "calc/tender_fee.h"
#include "ui/layout/control_table.h"
#include "ui/layout/fonts.h"
#include "ui/widgets/note_mark.h"
#include "ui/window_driver.h"

namespace kelvora::ui {
namespace {

using testing::WindowSystemTest;
using testing::WindowTest;

using testing::Q;

// The Qt class a control is built from, by the kind its name states
// (Text1 a text box, Command1 a button, ...).
const char* ClassByName(std::string_view name)
{
    constexpr std::pair<std::string_view, const char*> kPrefixes[] = {
        {"Text", "QLineEdit"},   {"Label", "QLabel"},        {"Combo", "QComboBox"},
        {"Check", "QCheckBox"},  {"Option", "QRadioButton"}, {"Frame", "QGroupBox"},
        {"Shape", "QFrame"},     {"Command", "QPushButton"}, {"DTPicker", "QDateEdit"},
        {"SSTab", "QTabWidget"},
    };
    for (const auto& [prefix, className] : kPrefixes) {
        if (name.substr(0, prefix.size()) == prefix) {
            return className;
        }
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
    for (const ControlRow& row : ControlRows()) {
        SCOPED_TRACE(row.name);
        QWidget* widget = window().control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), Q(row.name.str()));
        EXPECT_EQ(window().findChild<QWidget*>(Q(row.name.str())), widget);
        EXPECT_STREQ(widget->metaObject()->className(), ClassByName(row.name.str()));

        // container, and the point the container measures from
        QWidget* origin = widget->parentWidget();
        if (row.container == role::kTabs) {
            ShowPage(row.page);
            EXPECT_EQ(widget->parentWidget(), Tabs()->widget(row.page));
            origin = Tabs();
        } else {
            EXPECT_EQ(widget->parentWidget()->objectName(), Q(row.container.str()));
        }
        EXPECT_EQ(widget->mapTo(origin, QPoint(0, 0)), QPoint(row.left / 15, row.top / 15));

        const QSize specified(row.width / 15, row.height / 15);
        if (auto* label = qobject_cast<QLabel*>(widget); label && row.content.empty()) {
            EXPECT_EQ(label->size(), specified);                     // an empty result label
        } else if (label && row.kind != ControlKind::NoticeLabel) {  // sizes to its text
            // once shown: the fee to charge is hidden until the agency's terms are set
            EXPECT_EQ(label->size(), label->isVisibleTo(&window())
                                         ? label->sizeHint().expandedTo(label->minimumSize())
                                         : specified);
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
        if (row.colour != kDefaultColour) {
            EXPECT_EQ(widget->palette().color(QPalette::WindowText).rgb(), row.colour);
        }
    }
}

TEST_F(WindowTest, ResultLabelsAreRedAndEmptyAndGrowToTheRight)
{
    for (ControlName name : testing::kResultLabels) {
        SCOPED_TRACE(name);
        auto* label = Get<QLabel>(name);
        EXPECT_TRUE(label->text().isEmpty());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12.0);
        EXPECT_EQ(label->width(), 8);
    }
    // the layout's 0x00FF8080 and 0x00FF0000, blue-green-red
    EXPECT_EQ(Get(role::kTitle)->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0xFF));
    EXPECT_EQ(Get(role::kCredit)->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
}

// The CJK faces the set-up installs.
TEST_F(WindowSystemTest, FontsDrawChineseInAWantedFaceOfEachRole)
{
    const struct {
        ControlName control;
        FontRole role;
        qreal points;
    } cases[] = {
        {role::kFeeBasisPrompt, FontRole::Prompt, 10.5},
        {role::kDocumentService, FontRole::Prompt, 10.5},
        {role::kComplexityModerate, FontRole::Prompt, 10.5},
        {role::kBasePrice, FontRole::Result, 12},
        {role::kTitle, FontRole::Title, 21.75},
        {role::kCredit, FontRole::Credit, 9},
        {role::kFeeBasis, FontRole::Default, 9},
        {role::kBasePriceCalculate, FontRole::Default, 9},
    };
    for (const auto& c : cases) {
        const QFont font = Get(c.control)->font();
        // The face that really draws (the set-up installs a CJK face, so one
        // of the wanted ones is there) holds the Han characters of the page.
        const QFontInfo drawn(font);
        EXPECT_TRUE(WantedFamilies(c.role).contains(drawn.family(), Qt::CaseInsensitive))
            << c.control << " drawn in " << drawn.family().toStdString();
        EXPECT_TRUE(QFontMetrics(font).inFont(QChar(0x8D39)))  // 费
            << c.control;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), c.points) << c.control;
    }
    // 宋体 and the interface face are different faces where both are installed
    EXPECT_NE(QFontInfo(Get(role::kFeeBasisPrompt)->font()).family(),
              QFontInfo(Get(role::kFeeBasis)->font()).family());
}

TEST_F(WindowTest, InputsStartAsTheUserExpects)
{
    auto* combo = Get<QComboBox>(role::kTenderType);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "工程招标");
    ASSERT_EQ(combo->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(combo->itemText(i), Q(kTenderTypeTexts[static_cast<std::size_t>(i)].text));
    }
    EXPECT_EQ(Get<QCheckBox>(role::kDocumentService)->checkState(), Qt::Unchecked);
    EXPECT_EQ(Get<QPushButton>(role::kChargedFeeCalculate)->text(), " 监理取费");
    for (ControlName name : {role::kStartDate, role::kCompletionDate}) {
        auto* picker = Get<QDateEdit>(name);
        EXPECT_EQ(picker->date(), QDate(2009, 2, 6));
        EXPECT_EQ(picker->minimumDate(), QDate(1601, 1, 1));
        EXPECT_EQ(picker->maximumDate(), QDate(9999, 12, 31));
        EXPECT_EQ(picker->text(), "2009/2/6");
        EXPECT_TRUE(picker->calendarPopup());
    }
    for (ControlName name :
         {role::kTenderCalculate, role::kBasePriceCalculate, role::kBenchmarkCalculate,
          role::kChargedFeeCalculate, role::kPeriodCalculate, role::kWebLink}) {
        EXPECT_EQ(Get(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    }
}

TEST_F(WindowTest, OptionsFormOneGroup)
{
    ShowPage(1);
    Click(role::kComplexityGeneral);
    Click(role::kComplexityHigh);
    EXPECT_FALSE(Get<QRadioButton>(role::kComplexityGeneral)->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(role::kComplexityHigh)->isChecked());
}

// The named controls the focus chain visits from Text1, once each, in order.
std::vector<std::string> FocusWalk(MainWindow& window)
{
    std::set<QWidget*> named;
    for (const ControlRow& row : ControlRows()) {
        named.insert(window.control(row.name));
    }
    // The named control a widget of the focus chain belongs to.
    auto owner = [&](QWidget* w) {
        while (w != nullptr && named.count(w) == 0) {
            w = w->parentWidget();
        }
        return w;
    };
    std::vector<std::string> visited;
    QWidget* start = window.control(role::kTenderAmount);
    QWidget* w = start;
    do {
        QWidget* control = owner(w);
        if (control != nullptr && (w->focusPolicy() & Qt::TabFocus) &&
            (visited.empty() || visited.back() != control->objectName().toStdString())) {
            visited.push_back(control->objectName().toStdString());
        }
        w = w->nextInFocusChain();
    } while (w != start);
    return visited;
}

TEST_F(WindowTest, TabKeyVisitsTheInputsInOrder)
{
    const std::vector<std::string> visited = FocusWalk(window());
    const auto order = FocusOrder();
    ASSERT_GE(visited.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(visited[i], order[i].str()) << "position " << i;
    }
    EXPECT_EQ(visited.size(), order.size()) << "a control outside the focus order takes focus";
}

TEST_F(WindowTest, HiddenPagesAreMadeWhenFirstShownOrAskedFor)
{
    const auto made = [&](ControlName name) {
        return window().findChild<QWidget*>(Q(name.str())) != nullptr;
    };
    for (const ControlRow& row : ControlRows()) {
        const int page = PageOf(row.name);
        EXPECT_EQ(made(row.name), page < 0 || page == kInitialTab) << row.name;
    }
    QTest::mouseClick(Tabs()->tabBar(), Qt::LeftButton, {}, Tabs()->tabBar()->tabRect(0).center());
    EXPECT_TRUE(made(role::kTenderAmount));
    EXPECT_TRUE(window().findChild<QWidget*>("Text1")->isVisible());
    EXPECT_FALSE(made(role::kStartDate));
    ASSERT_NE(window().control(role::kPeriod), nullptr);  // asked for: its page is made, hidden
    EXPECT_TRUE(made(role::kStartDate));
    EXPECT_FALSE(window().findChild<QWidget*>("DTPicker1")->isVisible());
    EXPECT_FALSE(made(role::kWebLink));
}

// However the pages come to be made, shown or asked for, in any order, the
// window is the same: one focus chain in the table's order, marks, wiring.
TEST_F(WindowTest, APageMadeLateBehavesAsOneMadeAtOpening)
{
    const struct {
        const char* how;
        std::vector<int> pages;
        bool shown;  // made by showing the page, else by asking for a control
    } orders[] = {
        {"shown 0, 2, 3", {0, 2, 3}, true},
        {"shown 3, 2, 0", {3, 2, 0}, true},
        {"asked for 2, 0, 3", {2, 0, 3}, false},
    };
    const std::map<int, ControlName> firstOf = {
        {0, role::kTenderAmount}, {2, role::kStartDate}, {3, role::kWebLink}};
    for (const auto& order : orders) {
        SCOPED_TRACE(order.how);
        SetUp();
        for (int page : order.pages) {
            if (order.shown) {
                ShowPage(page);
            } else {
                ASSERT_NE(window().control(firstOf.at(page)), nullptr);
            }
        }
        std::vector<std::string> expected;
        for (ControlName name : FocusOrder()) {
            expected.emplace_back(name.str());
        }
        EXPECT_EQ(FocusWalk(window()), expected);
        ShowPage(0);
        Type(role::kTenderAmount, "12,345.67");
        EXPECT_TRUE(InputNoteMark(Get(role::kTenderAmount))->isVisible());
        QTest::keyClick(Get(role::kTenderAmount), Qt::Key_Return);
        EXPECT_EQ(Caption(role::kTenderFee), "0.12");
        ShowPage(2);
        Click(role::kPeriodCalculate);
        EXPECT_EQ(Caption(role::kPeriod), "0");
        EXPECT_EQ(Get(role::kPeriod)->accessibleName(), "工期");
    }
}

TEST_F(WindowTest, PromptLabelsNameTheirInputs)
{
    int named = 0;
    for (const Calculator* calculator : Calculators()) {
        for (const CalculatorStep& step : calculator->steps) {
            for (const CalculatorInput& input : step.inputs) {
                if (input.prompt != role::kNone) {
                    EXPECT_EQ(Get<QLabel>(input.prompt)->buddy(), window().control(input.control))
                        << input.prompt;
                    ++named;
                }
            }
        }
    }
    EXPECT_EQ(named, 8);
}

TEST_F(WindowTest, SwitchingPagesKeepsInputsAndResults)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    ShowPage(2);
    ShowPage(3);
    ShowPage(0);
    EXPECT_EQ(Get<QLineEdit>(role::kTenderAmount)->text(), "6000");
    EXPECT_EQ(Caption(role::kTenderFee), "22.55");
}

}  // namespace
}  // namespace kelvora::ui
