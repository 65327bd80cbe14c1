#include "ui/binding/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

#include "ui/binding/shown_value.h"
#include "ui/common/qt_text.h"
#include "ui/widgets/fitting_label.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

// A label of the window. The interface is made (and kept) while the label is
// still being built, so what it is, a result or the link, is asked each time.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        const auto* fitting = dynamic_cast<const FittingLabel*>(widget());
        return fitting != nullptr && fitting->IsLink() ? QAccessible::Link
                                                       : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (t) {
            case QAccessible::Name:
                // a result by its prompt, any other label by its text
                return label->accessibleName().isEmpty() ? ShownText(label)
                                                         : label->accessibleName();
            case QAccessible::Value:
                return ResultView::Of(label) != nullptr ? ShownText(label) : QString();
            default:
                return QAccessibleWidget::text(t);
        }
    }
};

// The editable combo box: named by its prompt, its text the value. (Qt's
// own interface on Linux gives the text as the name as well.)
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            return ShownText(widget());
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction()) {
            static_cast<QComboBox*>(widget())->showPopup();
        }
    }
};

QAccessibleInterface* OwnInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || widget->window()->objectName() != ToQString(role::kWindow.str())) {
        return nullptr;  // not a control of ours
    }
    if (auto* combo = qobject_cast<QComboBox*>(object); combo && combo->isEditable()) {
        return new ComboAccessible(combo);
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        return new LabelAccessible(label);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces()
{
    // Once for the program; it answers for our own labels and the combo box only.
    static const bool installed = [] {
        QAccessible::installFactory(&OwnInterface);
        return true;
    }();
    (void)installed;
}

void NameForScreenReaders(const Calculator& calculator, const ControlLookup& find)
{
    for (const CalculatorStep& step : calculator.steps) {
        for (const CalculatorInput& input : step.inputs) {
            if (input.kind == InputKind::Result || input.prompt == role::kNone) {
                continue;
            }
            QWidget* box = find(input.control);
            auto* prompt = qobject_cast<QLabel*>(find(input.prompt));
            if (box != nullptr && prompt != nullptr) {
                prompt->setBuddy(box);
                box->setAccessibleName(ShownText(prompt));
            }
        }
        if (QWidget* label = find(step.result)) {
            label->setAccessibleName(ShownText(find(step.resultPrompt)));
        }
    }
}

}  // namespace kelvora::ui
