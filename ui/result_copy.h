#pragma once
// Result labels can be selected with the mouse and copied, without taking
// part in the Tab order: Ctrl+C copies the selection (or the whole figure
// when nothing is selected), and the context menu offers "复制" and
// "复制计算过程" (the working shown in the tooltip).

#include <QObject>

class QLabel;

namespace kelvora::ui {

class ResultCopy : public QObject {
public:
    // Makes `label` selectable and copyable; the object lives with the label.
    static void Attach(QLabel* label);

    static QString CopyCaptionText();  // "复制"
    static QString CopyWorkingText();  // "复制计算过程"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ResultCopy(QLabel* label);
    QLabel* m_label;
};

}  // namespace kelvora::ui
