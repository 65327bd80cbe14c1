#include "ui/widgets/result_copy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include "ui/common/qt_text.h"

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

// The two yuan actions of a money result, enabled when its amount can be
// written in yuan.
void AddYuanActions(QMenu& menu, const QLabel* label, const std::optional<Money>& yuan,
                    const QString& stale)
{
    QAction* figures = menu.addAction(ResultCopy::CopyFiguresText());
    QAction* capitals = menu.addAction(ResultCopy::CopyCapitalsText());
    if (!stale.isEmpty()) {
        for (QAction* action : {figures, capitals}) {
            action->setEnabled(false);
            action->setToolTip(PlainTip(stale));
        }
        return;
    }
    if (!yuan) {
        figures->setEnabled(false);
        capitals->setEnabled(false);
        if (!label->text().isEmpty()) {
            const QString why = QStringLiteral("金额过大（一亿亿元及以上），无法写成大写金额");
            figures->setToolTip(PlainTip(why));
            capitals->setToolTip(PlainTip(why));
        }
        return;
    }
    const QString figuresText = ToQString(yuan->Figures());
    const QString capitalsText = ToQString(yuan->Capitals());
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

void ResultCopy::Attach(QLabel* label, std::function<bool()> mayCopy)
{
    new ResultCopy(label, std::move(mayCopy));
}

ResultCopy::ResultCopy(QLabel* label, std::function<bool()> mayCopy)
    : QObject(label), m_label(label), m_mayCopy(std::move(mayCopy))
{
    // Selectable by mouse only: the label takes the focus on a click, never by Tab.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->installEventFilter(this);
}

void ResultCopy::FillMenu(QMenu& menu, QLabel* label, bool money, const QString& working,
                          const std::optional<Money>& yuan, const QString& stale)
{
    menu.setToolTipsVisible(true);
    QAction* figure = menu.addAction(CopyCaptionText());
    figure->setShortcut(QKeySequence::Copy);
    figure->setEnabled(!label->text().isEmpty() && stale.isEmpty());
    figure->setToolTip(PlainTip(stale));
    QAction* copyWorking = menu.addAction(CopyWorkingText());
    copyWorking->setEnabled(!working.isEmpty());
    connect(figure, &QAction::triggered, label, [label] { CopyFigure(label); });
    connect(copyWorking, &QAction::triggered, label, [working] { CopyText(working); });
    if (money) {
        AddYuanActions(menu, label, yuan, stale);
    }
}

bool ResultCopy::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (m_mayCopy()) {
            CopyFigure(m_label);  // a grey figure is not copied
        }
        return true;
    }
    return false;
}

}  // namespace kelvora::ui
