// The module of exports and printing (kelvora-output): libxlsxwriter and Qt's
// PrintSupport behind the contract of output_module.h.

#include "ui/output/output_module.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

namespace kelvora::ui {
namespace {

// How wide a text shows in a spreadsheet: Chinese characters (three bytes
// and more in UTF-8) count twice.
double DisplayWidth(const std::string& text)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

// What libxlsxwriter reports, in words a user can act on.
QString LibraryErrorText(lxw_error error)
{
    switch (error) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return QStringLiteral("内存不足");
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
            return QStringLiteral("无法写入临时文件，可能是磁盘空间不足");
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_PARAMETER_ERROR:
        case LXW_ERROR_ZIP_BAD_ZIP_FILE:
        case LXW_ERROR_ZIP_INTERNAL_ERROR:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return QStringLiteral("压缩工作簿时出错，可能是磁盘空间不足");
        default:
            return QStringLiteral("生成工作簿时出错（代码 %1）").arg(static_cast<int>(error));
    }
}

class Module final : public OutputModule {
public:
    QString WriteWorkbook(const QString& path, const std::string& sheetName,
                          std::span<const WorkbookColumn> columns, std::size_t rows,
                          const WorkbookRows& fill) const override
    {
        // Rows go to the file as they are written, strings inline: a table of
        // 100,000 lots does not wait on a table of shared strings. The folder
        // of `path` holds the temporary files.
        const QByteArray name = QFile::encodeName(path);
        QByteArray folder = QFile::encodeName(path.section(QLatin1Char('/'), 0, -2));
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = folder.isEmpty() ? nullptr : folder.data();
        lxw_workbook* workbook = workbook_new_opt(name.constData(), &options);
        if (workbook == nullptr) {
            return QStringLiteral("无法创建工作簿");
        }
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.c_str());
        const auto format = [&](bool strong, const char* numbers) {
            lxw_format* made = workbook_add_format(workbook);
            if (strong) {
                format_set_bold(made);
            }
            if (numbers != nullptr) {
                format_set_num_format(made, numbers);
            }
            return made;
        };
        lxw_format* bold = format(true, nullptr);
        // Each column's number format, plain and bold, chosen once.
        const std::size_t count = columns.size();
        std::vector<lxw_format*> plain(count, nullptr);
        std::vector<lxw_format*> strong(count, bold);
        std::vector<double> widths(count, 0.0);
        lxw_error failed = LXW_NO_ERROR;
        for (std::size_t c = 0; c < count; ++c) {
            const char* numbers = columns[c].format == NumberFormat::Yuan          ? "¥#,##0.00"
                                  : columns[c].format == NumberFormat::TwoDecimals ? "0.00"
                                                                                   : nullptr;
            if (numbers != nullptr) {
                plain[c] = format(false, numbers);
                strong[c] = format(true, numbers);
            }
            widths[c] = std::min(DisplayWidth(columns[c].header), 80.0);
            if (failed == LXW_NO_ERROR) {
                failed = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                                columns[c].header.c_str(), bold);
            }
        }
        std::vector<WorkbookCell> cells(count);
        for (std::size_t r = 0; r < rows && failed == LXW_NO_ERROR; ++r) {
            bool emphasis = false;
            if (!fill(r, cells, emphasis)) {
                workbook_close(workbook);
                QFile::remove(path);
                return QStringLiteral("stopped");
            }
            const auto row = static_cast<lxw_row_t>(r + 1);
            for (std::size_t c = 0; c < count && failed == LXW_NO_ERROR; ++c) {
                const WorkbookCell& cell = cells[c];
                if (cell.kind == WorkbookCell::Kind::Empty) {
                    continue;
                }
                widths[c] = std::max(widths[c], std::min(DisplayWidth(cell.text), 80.0));
                const auto column = static_cast<lxw_col_t>(c);
                failed = cell.kind == WorkbookCell::Kind::Number
                             ? worksheet_write_number(sheet, row, column, cell.number,
                                                      emphasis ? strong[c] : plain[c])
                             : worksheet_write_string(sheet, row, column, cell.text.c_str(),
                                                      emphasis ? bold : nullptr);
            }
        }
        for (std::size_t c = 0; c < count; ++c) {
            worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 widths[c] + 2, nullptr);
        }
        worksheet_freeze_panes(sheet, 1, 0);
        const lxw_error closed = workbook_close(workbook);
        if (failed != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
            QFile::remove(path);
            return LibraryErrorText(failed != LXW_NO_ERROR ? failed : closed);
        }
        return {};
    }

    void PrintPreview(QWidget* parent, const QPageLayout& layout, const QString& title,
                      const std::function<void(QPagedPaintDevice&)>& paint) const override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(layout);
        printer.setDocName(title);
        QPrintPreviewDialog preview(&printer, parent);
        preview.setObjectName(QStringLiteral("sheetPrintPreview"));
        preview.setWindowTitle(QStringLiteral("打印") + title);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&paint](QPrinter* target) { paint(*target); });
        preview.exec();
    }
};

}  // namespace
}  // namespace kelvora::ui

extern "C" Q_DECL_EXPORT const kelvora::ui::OutputModule* KelvoraOutputModule()
{
    static const kelvora::ui::Module module;
    return &module;
}
