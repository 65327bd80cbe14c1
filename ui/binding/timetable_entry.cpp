#include "ui/binding/timetable_entry.h"

#include <QAction>
#include <QPushButton>

#include "ui/common/error_report.h"
#include "ui/layout/control_table.h"
#include "ui/timetable/timetable_window.h"

namespace kelvora::ui {

void SetUpTimetable(QWidget& window)
{
    auto* open = new QAction(QStringLiteral("招标时间安排"), &window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    open->setShortcutContext(Qt::WindowShortcut);
    window.addAction(open);
    QObject::connect(open, &QAction::triggered, &window,
                     [&window] { RunReported(&window, [&] { OpenTimetable(window); }); });
}

void OfferTimetableOnPage(QWidget& window, const ControlLookup& find, int page)
{
    for (const ControlRow& row : ControlRows()) {
        if (row.kind == ControlKind::TimetableEntry && PageOf(row.name) == page) {
            if (auto* entry = Lookup<QPushButton>(find, row.name)) {
                QObject::connect(entry, &QPushButton::clicked, &window, [&window] {
                    RunReported(&window, [&] { OpenTimetable(window); });
                });
            }
        }
    }
}

}  // namespace kelvora::ui
