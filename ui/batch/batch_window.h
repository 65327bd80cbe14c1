#pragma once
// The batch window of a calculator page: an editable table that takes rows
// pasted from a spreadsheet (Ctrl+V) or typed, works every lot out as the
// page would, marks doubtful cells as the page marks inputs, keeps the 合计
// in view, and gives the table back: 复制表格 (Ctrl+C, the text CalculateRows
// writes), 导出 Excel, 导出 CSV, 导出计算书 and 打印 (one table of all rows
// with the 合计 and its 大写, under the sheet's header). It is opened from the
// entry on its page or with Ctrl+B, and kept for the run.
//
//   clipboard --Paste--> BatchModel --> view, 合计 line
//   BatchModel::Table --> clipboard | .xlsx | .csv | PDF | printer

#include <QDialog>

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"
#include "ui/sheet/sheet_document.h"

class QLabel;
class QTableView;

namespace kelvora::ui {

class BatchModel;

class BatchWindow : public QDialog {
public:
    BatchWindow(const Calculator& calculator, QWidget* parent);

    const Calculator& calculator() const { return m_calculator; }
    BatchModel& model() { return *m_model; }

    void Paste();
    void CopyTable();
    void ExportXlsx();
    void ExportCsv();
    void ExportSheet();
    void Print();

    // The sheet of all rows under `header`, and the same written as a PDF
    // (an empty string, or the message).
    SheetDocument Sheet(const SheetHeader& header) const;
    QString WriteSheet(const QString& path, const SheetHeader& header) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowTotal();
    // The sheet of all rows, made once its header is known.
    struct SheetDraft Draft() const;
    // The name a file of the batch is proposed under: "工期批量计算-2026-12-07.xlsx".
    QString FileName(const QString& suffix) const;

    const Calculator& m_calculator;
    BatchModel* m_model;
    QTableView* m_view;
    QLabel* m_total;
};

// Ctrl+B in `window` opens the batch window of the current page's calculator.
void SetUpBatch(QWidget& window);

// The entry on the calculator's page opens its batch window.
void OfferBatchOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find);

// The batch window of `calculator`, made the first time, shown and raised.
BatchWindow* OpenBatch(QWidget& window, const Calculator& calculator);

}  // namespace kelvora::ui
