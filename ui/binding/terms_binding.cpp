#include "ui/binding/terms_binding.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "calc/fee_terms.h"
#include "ui/common/agency_settings.h"
#include "ui/common/error_report.h"
#include "ui/common/qt_text.h"
#include "ui/layout/control_table.h"
#include "ui/terms/terms_dialog.h"

namespace kelvora::ui {
namespace {

// The lines the window keeps for its figures (the terms), by the rows that make them.
std::vector<QLineEdit*> Holders(const ControlLookup& find, int page)
{
    std::vector<QLineEdit*> holders;
    for (const ControlRow& row : ControlRows()) {
        if (row.kind == ControlKind::Holder && (page < 0 || PageOf(row.name) == page)) {
            if (auto* holder = Lookup<QLineEdit>(find, row.name)) {
                holders.push_back(holder);
            }
        }
    }
    return holders;
}

}  // namespace

bool EditTerms(QWidget& parent, const ControlLookup& find)
{
    const std::vector<QLineEdit*> holders = Holders(find, -1);
    if (holders.empty()) {
        return false;
    }
    QSettings settings;
    const KeptSettings kept = LoadKept(settings);
    const FeeTerms terms =
        ReadFeeTerms(holders.front()->text().toStdString()).terms.value_or(FeeTerms{});
    TermsDialog dialog(terms, kept.agency, &parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QString line = ToQString(WriteFeeTerms(dialog.terms()));
    const QString said = SaveKept(settings, dialog.agency(), line);
    for (QLineEdit* holder : holders) {
        holder->setText(line);  // the figures of this run follow, saved or not
    }
    if (!said.isEmpty()) {
        (said.startsWith(QStringLiteral("已保存")) ? Tell : Warn)(parent, said);
    }
    return true;
}

void SetUpTerms(QWidget& window, const ControlLookup& find)
{
    auto* edit = new QAction(QStringLiteral("收费条件"), &window);
    edit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    edit->setShortcutContext(Qt::WindowShortcut);
    window.addAction(edit);
    QObject::connect(edit, &QAction::triggered, &window,
                     [&window, find] { RunReported(&window, [&] { EditTerms(window, find); }); });
}

void OfferTermsOnPage(QWidget& window, const ControlLookup& find, int page)
{
    const std::vector<QLineEdit*> holders = Holders(find, page);
    if (!holders.empty()) {
        QSettings settings;
        const KeptSettings kept = LoadKept(settings);
        const TermsReading reading = ReadFeeTerms(kept.terms.toStdString());
        QString problem = kept.problem;
        if (problem.isEmpty() && !reading.terms) {
            problem = QStringLiteral("保存的收费条件无法使用（%1），本次按标准收取。")
                          .arg(ToQString(reading.problem));
        }
        if (!problem.isEmpty()) {
            // said once the page is made, not in the middle of making it
            QTimer::singleShot(0, &window, [&window, problem] { Warn(window, problem); });
        }
        for (QLineEdit* holder : holders) {
            holder->setText(reading.terms ? kept.terms : QString());
        }
    }
    for (const ControlRow& row : ControlRows()) {
        if (row.kind == ControlKind::TermsEntry && PageOf(row.name) == page) {
            if (auto* entry = Lookup<QPushButton>(find, row.name)) {
                QObject::connect(entry, &QPushButton::clicked, &window, [&window, find] {
                    RunReported(&window, [&] { EditTerms(window, find); });
                });
            }
        }
    }
}

}  // namespace kelvora::ui
