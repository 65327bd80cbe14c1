#pragma once
// The batch window of a calculator page: an editable table that takes rows
// pasted from a spreadsheet (Ctrl+V wherever the focus is in the window),
// read from a CSV or tab-separated file (打开…) or typed, works every lot out as
// the page would, marks doubtful cells as the page marks inputs (with their
// corrections in the cell's menu, 全部更正 for all at once), keeps the 合计 in
// view with what it leaves out, and gives the table back: 复制表格 (Ctrl+C),
// 导出 Excel, 导出 CSV, 导出计算书 and 打印 (one table of all lots under the
// sheet's header). Every change can be undone (Ctrl+Z, Ctrl+Y); closing it, or
// the main window, with lots not exported asks first. It is opened from the
// entry on its page or with Ctrl+B, and kept for the run.
//
//   clipboard | file --BatchModel--> view, 合计 line
//   BatchModel::Table --> clipboard | .xlsx | .csv
//   BatchModel rows --documents (ui/documents)--> 计算书 (PDF, printer) | 收费通知书
// The agency's terms come from the window's settings, and the lots follow
// terms saved while the window is open.

#include <QDialog>
#include <functional>

#include "calc/calculator.h"
#include "ui/common/agency_settings.h"
#include "ui/common/control_lookup.h"
#include "ui/documents/document_source.h"
#include "ui/sheet/sheet_document.h"

class QLabel;
class QTableView;

namespace kelvora::ui {

class BatchModel;
class XlsxWorkbook;

class BatchWindow : public QDialog {
public:
    // `page` holds the values of the calculator's page (a sheet without a
    // 服务类型 column takes the page's); it outlives the window.
    BatchWindow(const Calculator& calculator, AgencySettings& settings, const InputValues& page,
                QWidget* parent);

    const Calculator& calculator() const { return m_calculator; }
    BatchModel& model() { return *m_model; }

    void Paste();
    void Open();
    // Reads the rows of an .xlsx workbook (sheet `sheet` of it, from 0), a
    // CSV or a tab-separated file, in place of the lots or after them; an
    // empty string, or why not.
    enum class Adding { Append, Replace };
    QString ReadFile(const QString& path, Adding adding = Adding::Append, int sheet = 0);
    QString ReadSheet(const XlsxWorkbook& workbook, int sheet, Adding adding);
    void CopyTable();
    void ExportXlsx();
    void ExportCsv();
    void CorrectAll();

    // The lots as the documents read them: every lot, those of the rows chosen.
    BatchSource Source() const;

    // Whether the window may go: it asks first when lots were not exported
    // (导出… / 放弃 / 取消); true when there were none or the user chose.
    bool MayClose();

    // The sheet of all lots under `header`, and the same written as a PDF
    // (an empty string, or the message).
    SheetDocument Sheet(const SheetHeader& header) const;
    QString WriteSheet(const QString& path, const SheetHeader& header) const;
    // The notices under `header` with the agency's saved details, written as
    // a PDF (an empty string, or the message).
    QString WriteNotices(const QString& path, const SheetHeader& header) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowTotal();
    void FitColumns();
    void CellMenu(const QPoint& at);
    // Saves the table as .xlsx or CSV through the save dialog; true once saved.
    bool SaveTable(bool excel);
    const Calculator& m_calculator;
    AgencySettings& m_settings;
    BatchModel* m_model;
    QTableView* m_view;
    QLabel* m_hint;
    QLabel* m_total;
};

// The values of a calculator's page.
using PageInputs = std::function<const InputValues&(const Calculator&)>;

// Ctrl+B in `window` opens the batch window of the current page's calculator.
void SetUpBatch(QWidget& window, AgencySettings& settings, PageInputs page);

// The entry on the calculator's page opens its batch window.
void OfferBatchOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find,
                      AgencySettings& settings, const InputValues& page);

// The batch window of `calculator` over `window`, made the first time, shown and raised.
BatchWindow* OpenBatch(QWidget& window, const Calculator& calculator, AgencySettings& settings,
                       const InputValues& page);

// Whether `window` may close: every batch window of it with lots not exported
// asks first.
bool BatchesMayClose(QWidget& window);

}  // namespace kelvora::ui
