#include "ui/common/save_flow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/common/error_report.h"
#include "ui/common/web_link.h"

namespace kelvora::ui {

QString SaveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

namespace {

// The folder the last paper of the run went to, kept by the top window.
class FolderMemory : public QObject {
public:
    explicit FolderMemory(QObject* window) : QObject(window) {}
    QString folder;
};

QWidget& TopWindow(QWidget& widget)
{
    QWidget* window = widget.window();
    while (window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    return *window;
}

FolderMemory& MemoryOf(QWidget& widget)
{
    QWidget& window = TopWindow(widget);
    for (QObject* child : window.children()) {
        if (auto* memory = dynamic_cast<FolderMemory*>(child)) {
            return *memory;
        }
    }
    return *new FolderMemory(&window);
}

}  // namespace

QString RunFolder(QWidget& window)
{
    const QString& last = MemoryOf(window).folder;
    return !last.isEmpty() && QDir(last).exists() ? last : SaveFolder();
}

bool SaveThroughDialog(QWidget& parent, const SaveRequest& request, const FileWriter& write)
{
    QString proposed = QDir(RunFolder(parent)).filePath(request.fileName);
    for (;;) {
        QFileDialog dialog(&parent, request.title, QFileInfo(proposed).absolutePath(),
                           request.filter);
        dialog.selectFile(QFileInfo(proposed).fileName());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(request.suffix);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return false;
        }
        const QString path = dialog.selectedFiles().constFirst();
        const QString message = write(path);
        if (message == StoppedByUser()) {
            return false;  // the user stopped it: no file, nothing to say
        }
        if (!message.isEmpty()) {
            Warn(parent, message);
            proposed = path;  // asked again where the user was, with the name typed
            continue;
        }
        MemoryOf(parent).folder = QFileInfo(path).absolutePath();
        if (request.open) {
            try {
                OpenLocalFile(QFileInfo(path).absoluteFilePath().toStdString());
            } catch (const LinkOpenError&) {
                Tell(parent,
                     QStringLiteral("已保存：") + QDir::toNativeSeparators(path) +
                         QStringLiteral("\n无法用默认的程序打开它，可在文件管理器中打开。"));
                return true;
            }
        }
        ShowSaved(*parent.window(), path);
        return true;
    }
}

}  // namespace kelvora::ui
