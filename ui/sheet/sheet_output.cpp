#include "ui/sheet/sheet_output.h"

#include <QPagedPaintDevice>

#include "ui/common/error_report.h"
#include "ui/common/file_write.h"
#include "ui/common/output_loader.h"
#include "ui/common/save_flow.h"
#include "ui/common/work_progress.h"
#include "ui/sheet/sheet_header_dialog.h"
#include "ui/sheet/sheet_render.h"

namespace kelvora::ui {
namespace {

// The sheet of `draft` under the header the user gives, and its proposed
// name, or nothing when it cannot be made or the user cancels.
std::optional<std::pair<SheetDocument, QString>> Prepare(QWidget& parent, const SheetDraft& draft)
{
    if (!draft.problem.isEmpty()) {
        Tell(parent, draft.problem);
        return std::nullopt;
    }
    SheetHeader header;
    if (!draft.make || !AskSheetHeader(parent, header, draft.what)) {
        return std::nullopt;
    }
    QString name = draft.nameFor ? draft.nameFor(header) : draft.fileName;
    return std::pair{draft.make(header), std::move(name)};
}

// What the draft says to whoever made it, once it is made.
void SayAfter(QWidget& parent, const SheetDraft& draft)
{
    if (!draft.said.isEmpty()) {
        Tell(parent, draft.said);
    }
}

}  // namespace

QString SheetFolder()
{
    return SaveFolder();
}

QString WriteSheet(const SheetDocument& sheet, const QString& path, const SheetProgress& progress)
{
    const std::optional<QByteArray> pdf = SheetPdf(sheet, progress);
    return pdf ? WriteWholeFile(path, *pdf) : StoppedByUser();
}

void ExportSheet(QWidget& parent, const SheetDraft& draft)
{
    const auto prepared = Prepare(parent, draft);
    if (!prepared) {
        return;
    }
    const SheetDocument& sheet = prepared->first;
    const SaveRequest request{QStringLiteral("导出") + draft.what, prepared->second,
                              QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"), true};
    const bool saved = SaveThroughDialog(parent, request, [&](const QString& path) {
        WorkProgress progress(parent,
                              QStringLiteral("正在生成") + draft.what + QStringLiteral("……"));
        return WriteSheet(sheet, path, [&](int done, int total) {
            return progress.Going(static_cast<std::size_t>(done), static_cast<std::size_t>(total));
        });
    });
    if (saved) {
        SayAfter(parent, draft);
    }
}

void PrintSheet(QWidget& parent, const SheetDraft& draft)
{
    const auto prepared = Prepare(parent, draft);
    if (!prepared) {
        return;
    }
    const SheetDocument* sheet = &prepared->first;
    QString problem;
    const OutputModule* module = OutputModuleOf(problem);
    if (module == nullptr) {
        Warn(parent, problem);
        return;
    }
    module->PrintPreview(&parent, SheetPageLayout(*sheet), sheet->title,
                         [sheet, &parent](QPagedPaintDevice& target) {
                             WorkProgress progress(parent, QStringLiteral("正在排版……"));
                             PaintSheet(*sheet, target, [&](int done, int total) {
                                 return progress.Going(static_cast<std::size_t>(done),
                                                       static_cast<std::size_t>(total));
                             });
                         });
}

}  // namespace kelvora::ui
