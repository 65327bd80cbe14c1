#pragma once
// Result labels can be selected with the mouse and copied, without taking
// part in the Tab order: Ctrl+C copies the selection (or the whole figure
// when nothing is selected), unless the figure is grey. Their context menu (opened by the result
// view) offers "复制" and "复制计算过程" (the working), and for a money result its amount in yuan,
// "复制小写金额" and "复制大写金额".

#include <QObject>
#include <functional>
#include <optional>

#include "calc/money.h"

class QLabel;
class QMenu;

namespace kelvora::ui {

class ResultCopy : public QObject {
public:
    // Makes `label` selectable and copyable while `mayCopy` says so (a grey
    // figure may not be); the object lives with the label.
    static void Attach(QLabel* label, std::function<bool()> mayCopy);

    static QString CopyCaptionText();   // "复制"
    static QString CopyWorkingText();   // "复制计算过程"
    static QString CopyFiguresText();   // "复制小写金额"
    static QString CopyCapitalsText();  // "复制大写金额"

    // The copy actions of the label's context menu, as it would open now; a
    // money result's yuan are `yuan` (none where no figure is written, or where
    // it is too large to be written in 元). A grey figure (`stale` says why) is
    // not copied: only its working is.
    static void FillMenu(QMenu& menu, QLabel* label, bool money, const QString& working,
                         const std::optional<Money>& yuan, const QString& stale = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ResultCopy(QLabel* label, std::function<bool()> mayCopy);
    QLabel* m_label;
    std::function<bool()> m_mayCopy;
};

}  // namespace kelvora::ui
