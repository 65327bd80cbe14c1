#include "ui/widgets/result_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "ui/common/qt_text.h"
#include "ui/layout/control_table.h"
#include "ui/widgets/drawn_icon.h"
#include "ui/widgets/fitting_label.h"
#include "ui/widgets/result_copy.h"

namespace kelvora::ui {
namespace {

constexpr int kBoxPadding = 6;  // pixels between the caption's end and the box's border

}  // namespace

QColor ResultView::CurrentColour()
{
    return QColor::fromRgb(kRed);  // as the control table draws a result
}

QColor ResultView::StaleColour()
{
    return QColor(0x90, 0x90, 0x90);
}

ResultView* ResultView::Attach(QLabel* label, QFrame* box, bool money)
{
    return new ResultView(label, box, money);
}

ResultView* ResultView::Of(const QWidget* label)
{
    return label == nullptr ? nullptr
                            : label->findChild<ResultView*>(QString(), Qt::FindDirectChildrenOnly);
}

ResultView::ResultView(QLabel* label, QFrame* box, bool money)
    : QObject(label), m_label(label), m_box(box), m_boxWidth(box ? box->width() : 0), m_money(money)
{
    ResultCopy::Attach(label, [this] { return !m_stale; });
    label->installEventFilter(this);
    if (box != nullptr) {
        box->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        box->installEventFilter(this);
    }
}

void ResultView::Write(const StepOutcome& outcome)
{
    m_shown = outcome;
    m_working = ToQString(ShownWorking(outcome));
    m_stale = false;
    m_label->setText(ToQString(outcome.caption));
    FitToText(m_label);
    // The selectable text is laid out now rather than in the next paint, whose
    // own layout would ask for a second frame.
    m_label->heightForWidth(m_label->width());
    QStringList marks;
    for (const std::string& note : outcome.notes) {
        marks << ToQString(note);
    }
    SetMarks(marks);
    ShowState();
}

void ResultView::SetMarks(const QStringList& marks)
{
    if (marks == m_marks) {
        return;
    }
    m_marks = marks;
    if (m_mark == nullptr && !marks.isEmpty() && m_box) {
        m_mark = new QLabel(m_box->parentWidget());
        m_mark->setObjectName(m_label->objectName() + QStringLiteral("Mark"));
        m_mark->setPixmap(WarningMarkIcon(m_label).pixmap(16, 16));
        m_mark->resize(16, 16);
    }
    if (m_mark != nullptr) {
        m_mark->setToolTip(PlainTip(marks.join(QLatin1Char('\n'))));
        m_mark->setAccessibleName(marks.join(QLatin1Char('\n')));
        FitBox();
        m_mark->setVisible(!marks.isEmpty());
    }
    m_label->setAccessibleDescription(marks.join(QLatin1Char('\n')));
    ShowState();
}

void ResultView::PlaceMark()
{
    if (m_mark != nullptr && m_box) {
        m_mark->move(m_box->geometry().right() - 18, m_box->geometry().center().y() - 8);
        m_mark->raise();
    }
}

void ResultView::SetStale(bool stale, const QString& line)
{
    if (stale == m_stale && (!stale || line == m_staleLine)) {
        return;
    }
    m_stale = stale;
    m_staleLine = line;
    ShowState();
}

void ResultView::ShowState()
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, m_stale ? StaleColour() : CurrentColour());
    m_label->setPalette(palette);
    QStringList lines;
    if (m_stale) {
        lines << m_staleLine;
    }
    lines << m_marks << m_working;
    m_label->setToolTip(PlainTip(lines.join(QLatin1Char('\n'))));
}

void ResultView::FitBox()
{
    if (!m_box) {
        return;
    }
    // Inside the box's own container, the room left to the right.
    const int room = m_box->parentWidget()->width() - kBoxPadding - m_box->x();
    const int markRoom = m_marks.isEmpty() ? 0 : 18;  // the mark stands after the figure
    const int wanted = m_label->geometry().right() + 1 + kBoxPadding + markRoom - m_box->x();
    m_box->resize(std::clamp(wanted, m_boxWidth, std::max(m_boxWidth, room)), m_box->height());
    PlaceMark();
}

void ResultView::SelectAll()
{
    m_label->setFocus(Qt::MouseFocusReason);
    m_label->setSelection(0, static_cast<int>(m_label->text().size()));
}

void ResultView::OpenMenu()
{
    ShowMenu(m_label->mapToGlobal(QPoint(0, m_label->height())));
}

void ResultView::OpenMenus(const std::vector<ResultView*>& views, const QStringList& titles)
{
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < views.size(); ++i) {
        if (views[i] != nullptr && views[i]->m_label->isVisible() &&
            !views[i]->m_label->text().isEmpty()) {
            shown.push_back(i);
        }
    }
    if (shown.size() < 2) {
        ResultView* view = shown.empty() ? views.front() : views[shown.front()];
        if (view != nullptr) {
            view->OpenMenu();
        }
        return;
    }
    ResultView& first = *views[shown.front()];
    QMenu menu(first.m_label);
    for (std::size_t i : shown) {
        QMenu* part = menu.addMenu(titles.value(static_cast<qsizetype>(i)));
        views[i]->FillMenu(*part);
    }
    menu.exec(first.m_label->mapToGlobal(QPoint(0, first.m_label->height())));
}

void ResultView::ShowMenu(const QPoint& globalPos)
{
    QMenu menu(m_label);
    FillMenu(menu);
    menu.exec(globalPos);
}

void ResultView::FillMenu(QMenu& menu)
{
    // said where the copy is made, so a figure is not copied unawares
    const QStringList notes =
        m_stale && !m_label->text().isEmpty() ? QStringList{m_staleLine} + m_marks : m_marks;
    for (const QString& note : notes) {
        menu.addAction(note)->setEnabled(false);
    }
    if (!notes.isEmpty()) {
        menu.addSeparator();
    }
    ResultCopy::FillMenu(menu, m_label, m_money, m_working, m_shown.money,
                         m_stale ? m_staleLine : QString());
    AddMenuExtras(menu);
}

bool ResultView::eventFilter(QObject* watched, QEvent* event)
{
    const bool onBox = watched == m_box;
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
            if (!onBox) {
                FitBox();
            }
            return false;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                SelectAll();  // the whole figure, not the digits up to the point
                return true;
            }
            return false;
        case QEvent::ToolTip:
            if (onBox) {
                const auto* help = static_cast<QHelpEvent*>(event);
                QToolTip::showText(help->globalPos(), m_label->toolTip(), m_box);
                return true;
            }
            return false;
        case QEvent::ContextMenu:
            ShowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            return false;
    }
}

}  // namespace kelvora::ui
