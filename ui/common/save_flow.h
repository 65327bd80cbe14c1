#pragma once
// The one way a file is saved: a save dialog that proposes a name in the
// user's documents folder, the file written whole or not at all, and then
// either "已保存：…" at the window's foot (the file opened in its default
// program where asked) or a warning saying why not, after which the dialog
// opens again in the same folder with the same name. The dialogs of a run
// open where the last paper was saved.
//
//   request --dialog--> path --write--> "" | message --> ShowSaved | Warn + dialog again

#include <QString>
#include <functional>

class QWidget;

namespace kelvora::ui {

struct SaveRequest {
    QString title;      // of the dialog: "导出计算书"
    QString fileName;   // proposed, without a folder: "工期计算书-2026-12-07.pdf"
    QString filter;     // "PDF 文件 (*.pdf)"
    QString suffix;     // added when the name typed has none: "pdf"
    bool open = false;  // open the saved file in its default program
};

// Writes the file at a path; returns an empty string, the message to show,
// or StoppedByUser() when the user stopped it (nothing is written then).
using FileWriter = std::function<QString(const QString& path)>;

inline QString StoppedByUser()
{
    return QStringLiteral("已停止，未写入文件");
}

// Where a save dialog starts: the user's documents folder, or the home
// folder where there is none.
QString SaveFolder();

// Where the save dialogs over `window` start: the folder the last paper of
// the run was saved in, or SaveFolder() before the first. Kept by the top
// window, for its batch and timetable windows too, and nowhere after the run.
QString RunFolder(QWidget& window);

// Asks where to save, writes, and says how it went; true once a file was saved.
bool SaveThroughDialog(QWidget& parent, const SaveRequest& request, const FileWriter& write);

}  // namespace kelvora::ui
