#pragma once
// A list button inside the right end of a text box that offers the fee
// standard's coefficients: choosing a row writes its value into the box (a
// row without one puts the focus in the box for the agreed value). Alt+Down
// or F4 in the box opens the list, as in a combo box; the button is not a
// stop of the Tab chain.
//
//   click / Alt+Down / F4 --> menu of rows --chosen--> box text

#include <QObject>
#include <QString>
#include <functional>
#include <span>

#include "calc/coefficient_tables.h"

class QAction;
class QLineEdit;
class QMenu;

namespace kelvora::ui {

class CoefficientList : public QObject {
public:
    // `name` names the list to screen readers and in the button's tooltip.
    static CoefficientList* Attach(QLineEdit* box, std::span<const CoefficientRow> rows,
                                   const QString& name);

    // The row chosen for `box` from its list, while the box still holds its
    // value (for the row left to agreement: any value typed after it), or nullptr.
    static const CoefficientRow* ChosenRow(const QLineEdit* box);

    // `chosen` hears of every row chosen from the list.
    void OnChosen(std::function<void(const CoefficientRow&)> chosen)
    {
        m_onChosen = std::move(chosen);
    }

    // Opens the list below the box.
    void Open();
    // The list's menu, made when first needed.
    QMenu* Menu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CoefficientList(QLineEdit* box, std::span<const CoefficientRow> rows, const QString& name);
    void Choose(const CoefficientRow& row);

    QLineEdit* m_box;
    std::span<const CoefficientRow> m_rows;
    QAction* m_button;
    QMenu* m_menu = nullptr;
    const CoefficientRow* m_chosen = nullptr;
    std::function<void(const CoefficientRow&)> m_onChosen;
};

}  // namespace kelvora::ui
