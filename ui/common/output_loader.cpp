#include "ui/common/output_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace kelvora::ui {
namespace {

#ifdef _WIN32
constexpr const char* kModuleName = "kelvora-output.dll";
#else
constexpr const char* kModuleName = "kelvora-output.so";
#endif

}  // namespace

QString OutputModulePath()
{
    const QString named = qEnvironmentVariable("KELVORA_OUTPUT_MODULE");
    if (!named.isEmpty()) {
        return named;
    }
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(QString::fromLatin1(kModuleName));
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral("../lib/kelvora/") + kModuleName));
    return QFileInfo::exists(beside) ? beside : installed;
}

const OutputModule* OutputModuleOf(QString& problem)
{
    // A library loaded stays loaded for the run (QLibrary does not unload
    // it when it goes), and loading it again only finds it.
    const QString path = OutputModulePath();
    QLibrary library(path);
    const auto entry = reinterpret_cast<OutputModuleEntry>(library.resolve(kOutputModuleEntry));
    const OutputModule* module = entry != nullptr ? entry() : nullptr;
    if (module == nullptr) {
        problem = QStringLiteral("无法载入导出与打印模块“%1”（%2），未导出，也未打印。")
                      .arg(QDir::toNativeSeparators(path), library.errorString());
    }
    return module;
}

}  // namespace kelvora::ui
