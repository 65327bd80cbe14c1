#pragma once
// The one window of Kelvora, "Form1".
//
//   control table --CreateControl--> widgets (objectName = control name)
//   calculators' table --per page--> a model (calc/calculator_model.h) bound to
//       the page's widgets, Enter keys, marks, screen-reader names, the
//       page's documents, focus chain
//   AgencySettings --> the pages, the batches and the documents that follow the terms
//
// The opening page is made with the window; every other page the first time
// it is shown or one of its controls is asked for. Each calculator's model
// holds its inputs and results; the widgets show them.

#include <QWidget>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "calc/calculator_model.h"
#include "ui/common/agency_settings.h"
#include "ui/common/control_lookup.h"
#include "ui/documents/document_source.h"
#include "ui/layout/control_table.h"
#include "ui/layout/fonts.h"
#include "ui/sheet/sheet_header.h"

class QPagedPaintDevice;

namespace kelvora::ui {

class BatchWindow;
class TabPagePlacer;

class MainWindow : public QWidget {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The widget of a control, or nullptr for a name the window lacks. A
    // control of a page not made yet is made, with its page, first.
    QWidget* control(ControlName name);

    // The model of a calculator's page.
    CalculatorModel& model(const Calculator& calculator);
    // The agency's details and terms.
    AgencySettings& settings() { return m_settings; }
    // What the current page's documents are made from; nothing on the about page.
    std::optional<DocumentSource> CurrentSource();

protected:
    // Lots in a batch window that were not exported are asked about first.
    void closeEvent(QCloseEvent* event) override;

private:
    void MakeRow(const ControlRow& row);
    void BuildPage(int page);
    void AttachPage(int page);
    void SetFocusOrder();
    void CentreOnScreen();

    FontSet m_fonts;
    ControlLookup m_find;
    AgencySettings m_settings;
    std::vector<std::unique_ptr<CalculatorModel>> m_models;  // per calculator, in page order
    std::unordered_map<std::string_view, QWidget*> m_widgets;
    std::vector<bool> m_built;  // per tab page
    TabPagePlacer* m_placer = nullptr;
    QStyle* m_frameStyle = nullptr;
};

// The current page's calculation sheet written as a PDF at `pdfPath`: an
// empty string, or why not (nothing written then).
QString WriteCalculationSheet(MainWindow& window, const QString& pdfPath,
                              const SheetHeader& header = {});
// The same painted on a printer (a preview's too).
QString PrintCalculationSheet(MainWindow& window, QPagedPaintDevice& device,
                              const SheetHeader& header = {});
// Whether the current page has a calculation sheet (the about page has none).
bool HasCalculationSheet(MainWindow& window);

// The batch window of `calculator`, made the first time, shown and raised.
BatchWindow* OpenBatch(MainWindow& window, const Calculator& calculator);

}  // namespace kelvora::ui

using kelvora::ui::MainWindow;
using kelvora::ui::WriteCalculationSheet;
