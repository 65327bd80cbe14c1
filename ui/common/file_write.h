#pragma once
// Every file the program writes (sheets, batch tables) is written whole or
// not at all, the one way: the bytes go to a new file beside the target,
// which takes the target's place only once every byte is on the disk. A
// symbolic link is written through, an old file's permissions are kept, a
// new file gets what the user's umask gives. What went wrong is said in
// Chinese, whatever the system's language.
//
//   bytes --WriteWholeFile--> file | "无法写入文件“…”：该文件夹是只读的。原有的文件未作改动。"

#include <QByteArray>
#include <QString>

namespace kelvora::ui {

// Writes `bytes` to `path`. Returns an empty string, or the message to show.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// The message for a file that could not be written, with the reason found
// by looking at the target and its folder (`fallback` when none is evident),
// and "原有的文件未作改动" where there was an old file.
QString CannotWrite(const QString& path, const QString& fallback);

}  // namespace kelvora::ui
