#pragma once
// The progress of a long piece of work (an export of many lots, a sheet of
// many pages): a dialog that shows itself after half a second with a bar and
// a "取消" button, and tells the work whether to go on.
//
//   work --Going(done, total)--> bar --> false once 取消 is pressed

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace kelvora::ui {

class WorkProgress {
public:
    WorkProgress(QWidget& parent, const QString& label);
    ~WorkProgress();

    // Shows how far the work has come; false once the user asked to stop.
    bool Going(std::size_t done, std::size_t total);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

}  // namespace kelvora::ui
