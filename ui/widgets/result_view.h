#pragma once
// How a result label shows its result: the caption in red, or in grey with a
// first tooltip line naming the button to press when its inputs changed
// since it was written; the working in the tooltip; the blue box behind it
// widened to the right to enclose the caption (as far as its frame allows),
// and the whole box answering hover, right-click and double-click as the
// label does. A double-click selects the whole figure.
//
//   the page's model wrote an outcome --Write--> caption, working (+ yuan), red
//   the model's states --SetStale--> grey + "输入已更改，请点击“…”重新计算"
//
// A write and the colour the tracker then gives it happen in one event, so
// the caption, its colour and the box's width change in one frame.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

#include "calc/step_outcome.h"

class QFrame;
class QLabel;
class QMenu;

namespace kelvora::ui {

class ResultView : public QObject {
public:
    // Attaches a view to `label`, drawn over `box`; it lives with the label.
    static ResultView* Attach(QLabel* label, QFrame* box, bool money);
    // The view of a result label, or nullptr for any other widget.
    static ResultView* Of(const QWidget* label);

    // Shows the outcome: its caption, its working (with the yuan lines of an
    // amount) in the tooltip, and its notes as its marks.
    void Write(const StepOutcome& outcome);
    // Greys the result with `line` first in its tooltip, or makes it current again.
    void SetStale(bool stale, const QString& line);

    // The notes the figure rests on (inputs not read as typed, a completion
    // before the start): a mark at the right end of its box, first in its
    // tooltip and above its menu's copies.
    void SetMarks(const QStringList& marks);
    // The mark in the box, shown while the figure has notes.
    QLabel* MarkWidget() const { return m_mark; }
    const QStringList& Marks() const { return m_marks; }

    // The working as the tooltip shows it, with the yuan lines of an amount.
    const QString& Working() const { return m_working; }
    // What was written last.
    const StepOutcome& Shown() const { return m_shown; }
    bool IsStale() const { return m_stale; }
    // Why a grey figure is not to be copied, or empty.
    const QString& StaleLine() const { return m_staleLine; }

    // Opens the result's context menu below the label, as the Menu key does.
    void OpenMenu();
    // The same for results shown together (a fee and the fee charged): one
    // menu with each one's under its title, `views` and `titles` alike;
    // those without a figure left out.
    static void OpenMenus(const std::vector<ResultView*>& views, const QStringList& titles);

    // More actions for the label's context menu, added after the copies.
    void SetMenuExtras(std::function<void(QMenu&)> extras) { m_menuExtras = std::move(extras); }
    void AddMenuExtras(QMenu& menu) const
    {
        if (m_menuExtras) {
            m_menuExtras(menu);
        }
    }

    static QColor CurrentColour();  // red, the table's colour of a result
    static QColor StaleColour();    // grey

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ResultView(QLabel* label, QFrame* box, bool money);
    void ShowState();
    void FitBox();
    void PlaceMark();
    void SelectAll();
    void ShowMenu(const QPoint& globalPos);
    // The notes and copies of the figure, and the extras, into `menu`.
    void FillMenu(QMenu& menu);

    QLabel* m_label;
    QPointer<QWidget> m_box;  // a QWidget: it is compared while being destroyed
    int m_boxWidth;           // as the table gives it; the box never gets narrower
    bool m_money;
    StepOutcome m_shown;
    QString m_working;
    QString m_staleLine;
    QStringList m_marks;
    QLabel* m_mark = nullptr;
    bool m_stale = false;
    std::function<void(QMenu&)> m_menuExtras;
};

}  // namespace kelvora::ui
