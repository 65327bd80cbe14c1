#pragma once
// The one dialog for the agency's fee terms and its details: the schedule
// of the standard fee, a share, a discount or a flat rate, a minimum, and
// the name, address, contact and account a fee notice gives. Nothing leaves
// it while a field holds what cannot be used: the field says why.
//
//   FeeTerms + AgencyDetails --TermsDialog--> the edited ones (or nothing)

#include <QDialog>

#include "calc/fee_terms.h"
#include "ui/common/agency_settings.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kelvora::ui {

class TermsDialog : public QDialog {
public:
    TermsDialog(const FeeTerms& terms, const AgencyDetails& agency, QWidget* parent);

    FeeTerms terms() const;
    AgencyDetails agency() const;

    // Why the terms as typed cannot be used, shown at their field; empty when they can.
    QString Check();

    void accept() override;

private:
    QComboBox* m_schedule;
    QComboBox* m_kind;
    QLineEdit* m_percent;
    QLineEdit* m_minimum;
    QLabel* m_problem;
    std::array<QWidget*, kAgencyFields.size()> m_fields{};
};

}  // namespace kelvora::ui
