#include "ui/common/work_progress.h"

#include <QProgressDialog>
#include <algorithm>

namespace kelvora::ui {

WorkProgress::WorkProgress(QWidget& parent, const QString& label)
    : m_dialog(std::make_unique<QProgressDialog>(label, QStringLiteral("取消"), 0, 100, &parent))
{
    m_dialog->setObjectName(QStringLiteral("workProgress"));
    m_dialog->setWindowTitle(QStringLiteral("Kelvora"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

WorkProgress::~WorkProgress() = default;

bool WorkProgress::Going(std::size_t done, std::size_t total)
{
    const int percent =
        total == 0 ? 100 : static_cast<int>(std::min<std::size_t>(100, done * 100 / total));
    m_dialog->setValue(percent);  // shows the dialog once the work is slow, and takes its events
    return !m_dialog->wasCanceled();
}

}  // namespace kelvora::ui
