// The one whole-file writer where Windows differs: a file another program
// holds open cannot be replaced, and says so; an existing file is replaced
// whole; names and folders in Chinese.

#include "ui/common/file_write.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#ifdef _WIN32
#include <windows.h>
#endif

#include "test_support.h"

namespace kelvora::testing {
namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Runs `write` while another program holds `path` open without sharing it,
// as a spreadsheet or a PDF reader on Windows does.
QString WhileHeldOpen([[maybe_unused]] const QString& path, const std::function<QString()>& write)
{
#ifdef _WIN32
    const HANDLE held =
        CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                    GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(held, INVALID_HANDLE_VALUE);
    const QString message = write();
    CloseHandle(held);
    return message;
#else
    return write();
#endif
}

TEST(FileWrite, ReplacesWholeOrSaysWhyInChinese)
{
    const struct {
        const char* name;
        const char* file;  // in the folder; an old file is there first
        bool held;         // held open by another program (Windows only)
        const char* said;  // the start of the reason; "" written
    } cases[] = {
        {"an old file replaced", "old.pdf", false, ""},
        {"a Chinese name in a Chinese folder", "城南项目/计算书（第一标段）.pdf", false, ""},
        {"held open by another program", "open.xlsx", true,
         "原有的文件正被其他程序使用（例如在电子表格或 PDF 阅读器中打开着），请关闭它后再试"},
    };
    for (const auto& c : cases) {
        if (c.held && kPosix) {
            continue;  // a POSIX system lets a file be replaced while open
        }
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("城南项目")));
        const QString path = QDir(folder.path()).filePath(QString::fromUtf8(c.file));
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the file from before");
        old.close();
        const QString message =
            c.held ? WhileHeldOpen(path, [&] { return ui::WriteWholeFile(path, "new bytes"); })
                   : ui::WriteWholeFile(path, "new bytes");
        if (*c.said == '\0') {
            EXPECT_EQ(message, QString());
            EXPECT_EQ(Contents(path), "new bytes");
        } else {
            EXPECT_TRUE(message.contains(QString::fromUtf8(c.said))) << message.toStdString();
            EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
            EXPECT_EQ(Contents(path), "the file from before");
        }
        // nothing left beside it
        EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QFileInfo(path).fileName()});
    }
}

}  // namespace
}  // namespace kelvora::testing
