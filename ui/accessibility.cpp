#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "ui/control_table.h"
#include "ui/fitting_label.h"
#include "ui/result_view.h"

namespace kelvora::ui {
namespace {

// A result: named by its prompt, its caption the value.
class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            return static_cast<QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* LabelInterface(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (label == nullptr) {
        return nullptr;
    }
    if (ResultView::Of(label) != nullptr) {
        return new ResultAccessible(label);
    }
    if (const auto* fitting = dynamic_cast<FittingLabel*>(label); fitting && fitting->IsLink()) {
        return new QAccessibleWidget(label, QAccessible::Link, label->text());
    }
    return nullptr;
}

QString TextOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().trimmed();
    }
    return {};
}

}  // namespace

void NameForScreenReaders(const ControlMap& widgets)
{
    // Installed once for the program; it answers for our result and link labels only.
    static const bool installed = [] {
        QAccessible::installFactory(&LabelInterface);
        return true;
    }();
    (void)installed;

    for (const Buddy& buddy : Buddies()) {
        if (QWidget* input = Lookup(widgets, buddy.input)) {
            input->setAccessibleName(TextOf(Lookup(widgets, buddy.label)));
        }
    }
    for (const ResultBox& result : ResultBoxes()) {
        if (QWidget* label = Lookup(widgets, result.label)) {
            label->setAccessibleName(TextOf(Lookup(widgets, result.namedBy)));
        }
    }
}

}  // namespace kelvora::ui
