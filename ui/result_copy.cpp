#include "ui/result_copy.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include "calc/yuan_amount.h"
#include "ui/qt_text.h"
#include "ui/result_view.h"

namespace kelvora::ui {
namespace {

void CopyFigure(const QLabel* label)
{
    const QString selected = label->selectedText();
    QGuiApplication::clipboard()->setText(selected.isEmpty() ? label->text() : selected);
}

void CopyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

// The two yuan actions of a money result, enabled when its caption can be
// written as an amount in yuan.
void AddYuanActions(QMenu& menu, const QLabel* label)
{
    const YuanResult yuan = YuanFromCaption(label->text().toStdString());
    QAction* figures = menu.addAction(ResultCopy::CopyFiguresText());
    QAction* capitals = menu.addAction(ResultCopy::CopyCapitalsText());
    if (!yuan.amount) {
        figures->setEnabled(false);
        capitals->setEnabled(false);
        if (yuan.error == YuanError::TooLarge) {
            const QString why = QStringLiteral("金额过大（一亿亿元及以上），无法写成大写金额");
            figures->setToolTip(why);
            capitals->setToolTip(why);
        }
        return;
    }
    const QString figuresText = ToQString(YuanFigures(*yuan.amount));
    const QString capitalsText = ToQString(YuanCapitals(*yuan.amount));
    QObject::connect(figures, &QAction::triggered, &menu, [figuresText] { CopyText(figuresText); });
    QObject::connect(capitals, &QAction::triggered, &menu,
                     [capitalsText] { CopyText(capitalsText); });
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
QString ResultCopy::CopyFiguresText()
{
    return QStringLiteral("复制小写金额");
}
QString ResultCopy::CopyCapitalsText()
{
    return QStringLiteral("复制大写金额");
}

void ResultCopy::Attach(QLabel* label, bool money)
{
    new ResultCopy(label, money);
}

ResultCopy::ResultCopy(QLabel* label, bool money) : QObject(label), m_label(label), m_money(money)
{
    // Selectable by mouse only: the label takes the focus on a click, never by Tab.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->installEventFilter(this);
}

void ResultCopy::FillMenu(QMenu& menu, QLabel* label, bool money)
{
    menu.setToolTipsVisible(true);
    QAction* figure = menu.addAction(CopyCaptionText());
    figure->setShortcut(QKeySequence::Copy);
    figure->setEnabled(!label->text().isEmpty());
    // The working alone, without the line that says the result is out of date.
    const ResultView* view = ResultView::Of(label);
    const QString workingText = view != nullptr ? view->Working() : label->toolTip();
    QAction* working = menu.addAction(CopyWorkingText());
    working->setEnabled(!workingText.isEmpty());
    connect(figure, &QAction::triggered, label, [label] { CopyFigure(label); });
    connect(working, &QAction::triggered, label, [workingText] { CopyText(workingText); });
    if (money) {
        AddYuanActions(menu, label);
    }
    if (view != nullptr) {
        view->AddMenuExtras(menu);
    }
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
        FillMenu(menu, m_label, m_money);
        menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}

}  // namespace kelvora::ui
