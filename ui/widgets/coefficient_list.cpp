#include "ui/widgets/coefficient_list.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPolygonF>
#include <QToolButton>

#include "ui/common/qt_text.h"
#include "ui/widgets/drawn_icon.h"

namespace kelvora::ui {
namespace {

// A small downward triangle in the box's text colour.
QIcon ArrowIcon(const QWidget* box)
{
    const QColor colour = box->palette().color(QPalette::Text);
    return DrawnIcon(box, [colour](QPainter& painter) {
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF({QPointF(4, 6), QPointF(12, 6), QPointF(8, 11)}));
    });
}

}  // namespace

CoefficientList* CoefficientList::Attach(QLineEdit* box, std::span<const CoefficientRow> rows,
                                         const QString& name)
{
    return new CoefficientList(box, rows, name);
}

CoefficientList::CoefficientList(QLineEdit* box, std::span<const CoefficientRow> rows,
                                 const QString& name)
    : QObject(box), m_box(box), m_rows(rows)
{
    m_button = box->addAction(ArrowIcon(box), QLineEdit::TrailingPosition);
    m_button->setText(name);
    m_button->setToolTip(name + QStringLiteral("（Alt+↓）"));
    for (auto* button : box->findChildren<QToolButton*>()) {
        if (button->defaultAction() == m_button) {
            button->setAccessibleName(name);
            button->setFocusPolicy(Qt::NoFocus);
            button->setCursor(Qt::PointingHandCursor);
        }
    }
    connect(m_button, &QAction::triggered, this, [this] { Open(); });
    box->installEventFilter(this);
}

QMenu* CoefficientList::Menu()
{
    if (m_menu != nullptr) {
        return m_menu;
    }
    m_menu = new QMenu(m_box);
    m_menu->setAccessibleName(m_button->text());
    std::string_view group;
    for (const CoefficientRow& row : m_rows) {
        if (!row.group.empty() && row.group != group) {
            group = row.group;
            m_menu->addSection(ToQString(group));
        }
        const QString value = row.value.empty() ? QStringLiteral("协商确定") : ToQString(row.value);
        QAction* action = m_menu->addAction(ToQString(row.label) + QLatin1Char('\t') + value);
        connect(action, &QAction::triggered, this, [this, &row] { Choose(row); });
    }
    return m_menu;
}

void CoefficientList::Open()
{
    Menu()->popup(m_box->mapToGlobal(QPoint(0, m_box->height())));
}

const CoefficientRow* CoefficientList::ChosenRow(const QLineEdit* box)
{
    for (QObject* child : box->children()) {
        const auto* list = dynamic_cast<const CoefficientList*>(child);
        if (list == nullptr || list->m_chosen == nullptr) {
            continue;
        }
        const CoefficientRow& row = *list->m_chosen;
        const QString text = box->text().trimmed();
        const bool kept = row.value.empty() ? !text.isEmpty() : text == ToQString(row.value);
        return kept ? &row : nullptr;
    }
    return nullptr;
}

void CoefficientList::Choose(const CoefficientRow& row)
{
    m_chosen = &row;
    if (m_onChosen) {
        m_onChosen(row);
    }
    m_box->setFocus(Qt::PopupFocusReason);
    if (row.value.empty()) {
        // the agreed value is the user's to type
        m_box->setPlaceholderText(QStringLiteral("请输入协商确定的系数"));
        m_box->selectAll();
        return;
    }
    // Typed over the whole text, so Ctrl+Z brings the old value back.
    m_box->selectAll();
    m_box->insert(ToQString(row.value));
}

bool CoefficientList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool altDown = key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier;
        if (altDown || (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier)) {
            Open();
            return true;
        }
    }
    return false;
}

}  // namespace kelvora::ui
