#include "ui/result_copy.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace kelvora::ui {
namespace {

void CopyFigure(const QLabel* label)
{
    const QString selected = label->selectedText();
    QGuiApplication::clipboard()->setText(selected.isEmpty() ? label->text() : selected);
}

}  // namespace

QString ResultCopy::CopyCaptionText()
{
    return QStringLiteral("复制");
}
QString ResultCopy::CopyWorkingText()
{
    return QStringLiteral("复制计算过程");
}

void ResultCopy::Attach(QLabel* label)
{
    new ResultCopy(label);
}

ResultCopy::ResultCopy(QLabel* label) : QObject(label), m_label(label)
{
    // Selectable by mouse only: the label takes the focus on a click, never by Tab.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->installEventFilter(this);
}

bool ResultCopy::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_label) {
        return false;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyFigure(m_label);
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        QMenu menu(m_label);
        QAction* figure = menu.addAction(CopyCaptionText());
        figure->setShortcut(QKeySequence::Copy);
        figure->setEnabled(!m_label->text().isEmpty());
        QAction* working = menu.addAction(CopyWorkingText());
        working->setEnabled(!m_label->toolTip().isEmpty());
        const QLabel* label = m_label;
        connect(figure, &QAction::triggered, label, [label] { CopyFigure(label); });
        connect(working, &QAction::triggered, label,
                [label] { QGuiApplication::clipboard()->setText(label->toolTip()); });
        menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}

}  // namespace kelvora::ui
