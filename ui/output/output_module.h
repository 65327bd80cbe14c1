#pragma once
// What the program asks of its module of exports and printing. Writing an
// .xlsx file (libxlsxwriter with its zip and crypto libraries) and printing
// (Qt's PrintSupport) are needed only when a user exports or prints, so they
// live in a module of their own, loaded the first time either is asked for
// (ui/common/output_loader.h): the opening window links neither.
//
//   program --OutputModuleOf--> kelvora-output (.so / .dll) --> libxlsxwriter | Qt PrintSupport
//
// This header is the whole contract between the two: plain data and Qt's
// own types, no code of the program.

#include <QPageLayout>
#include <QString>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace kelvora::ui {

// How a workbook's column shows its numbers.
enum class NumberFormat { General, TwoDecimals, Yuan };

struct WorkbookColumn {
    std::string header;  // UTF-8
    NumberFormat format = NumberFormat::General;
};

struct WorkbookCell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;  // UTF-8, for Text; how wide a Number shows, too
    double number = 0;
};

// Fills the cells of row `row` (from 0, under the header) and says whether it
// is bold (a 合计); returns false to stop, and nothing is written then.
using WorkbookRows =
    std::function<bool(std::size_t row, std::vector<WorkbookCell>& cells, bool& strong)>;

class OutputModule {
public:
    virtual ~OutputModule() = default;

    // Writes at `path` a workbook of one sheet named `sheet`: the header in
    // bold and frozen, then `rows` rows from `fill`, each column as wide as its
    // widest text. Returns an empty string, "stopped" when `fill` stopped, or
    // what went wrong in words a user can act on.
    virtual QString WriteWorkbook(const QString& path, const std::string& sheet,
                                  std::span<const WorkbookColumn> columns, std::size_t rows,
                                  const WorkbookRows& fill) const = 0;

    // Shows the print preview of a document laid out as `layout`, painted by
    // `paint` on the printer or the preview; returns when it is closed.
    virtual void PrintPreview(QWidget* parent, const QPageLayout& layout, const QString& title,
                              const std::function<void(QPagedPaintDevice&)>& paint) const = 0;
};

// The module's one exported function: its OutputModule, which lives as long
// as the module is loaded.
using OutputModuleEntry = const OutputModule* (*)();
inline constexpr const char* kOutputModuleEntry = "KelvoraOutputModule";

}  // namespace kelvora::ui
