#include "ui/binding/terms_binding.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "ui/common/error_report.h"
#include "ui/layout/control_table.h"
#include "ui/terms/terms_dialog.h"

namespace kelvora::ui {

bool EditTerms(QWidget& parent, AgencySettings& settings)
{
    TermsDialog dialog(settings.terms(), settings.agency(), &parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QString said = settings.Save(dialog.agency(), dialog.terms());
    if (!said.isEmpty()) {
        (said.startsWith(QStringLiteral("已保存")) ? Tell : Warn)(parent, said);
    }
    return true;
}

void SetUpTerms(QWidget& window, AgencySettings& settings)
{
    auto* edit = new QAction(QStringLiteral("收费条件"), &window);
    edit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    edit->setShortcutContext(Qt::WindowShortcut);
    window.addAction(edit);
    QObject::connect(edit, &QAction::triggered, &window, [&window, &settings] {
        RunReported(&window, [&] { EditTerms(window, settings); });
    });
}

void SayUnreadSettings(QWidget& window, AgencySettings& settings)
{
    if (const QString problem = settings.TakeProblem(); !problem.isEmpty()) {
        // said once the page is made, not in the middle of making it
        QTimer::singleShot(0, &window, [&window, problem] { Warn(window, problem); });
    }
}

void OfferTermsOnPage(QWidget& window, const ControlLookup& find, int page,
                      AgencySettings& settings)
{
    for (const ControlRow& row : ControlRows()) {
        if (row.kind == ControlKind::TermsEntry && PageOf(row.name) == page) {
            if (auto* entry = Lookup<QPushButton>(find, row.name)) {
                QObject::connect(entry, &QPushButton::clicked, &window, [&window, &settings] {
                    RunReported(&window, [&] { EditTerms(window, settings); });
                });
            }
        }
    }
}

}  // namespace kelvora::ui
