// Many lots at once: 1,000 to 100,000 pasted rows worked out by
// CalculateRows, and pasted into the batch window's table and shown.
// The bytes counter is the growth of the resident memory per row, which
// stays flat when memory grows linearly.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "calc/batch.h"
#include "calc/calculators.h"
#include "calc/supervision_fee.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/table_files.h"

namespace {

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

// Rows as a spreadsheet copies them, amounts varying from row to row.
std::string Rows(const std::string& calculator, int count)
{
    std::string rows;
    for (int i = 0; i < count; ++i) {
        const std::string lot = "第" + std::to_string(i + 1) + "标段\t";
        if (calculator == "tender") {
            rows += lot + std::to_string(100 + i * 7 % 90000) + ".25\t工程招标\t否\r\n";
        } else if (calculator == "supervision") {
            rows += lot + std::to_string(500 + i * 13 % 900000) + "\t1.2\t较复杂\t1\t-10\r\n";
        } else {
            rows += lot + "2024/3/4\t2025/" + std::to_string(1 + i % 12) + "/1\r\n";
        }
    }
    return rows;
}

void BM_CalculateRows(benchmark::State& state, const std::string& calculator)
{
    const std::string rows = Rows(calculator, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvora::CalculateRows(calculator, rows));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK_CAPTURE(BM_CalculateRows, tender, std::string("tender"))
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateRows, supervision, std::string("supervision"))
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalculateRows, period, std::string("period"))
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

// Pasted into the window's table and laid out as the view shows it.
void BM_PasteAndShow(benchmark::State& state)
{
    const QString rows =
        QString::fromStdString(Rows("supervision", static_cast<int>(state.range(0))));
    long grown = 0;
    for (auto _ : state) {
        const long before = ResidentKb();
        kelvora::ui::BatchModel model(kelvora::SupervisionFeeCalculator(), {}, nullptr, nullptr);
        QTableView view;
        view.horizontalHeader()->setResizeContentsPrecision(0);  // as the batch window fits them
        view.setModel(&model);
        view.resize(900, 480);
        view.show();
        benchmark::DoNotOptimize(model.PasteRows(rows));
        view.resizeColumnsToContents();
        view.scrollToBottom();
        QApplication::processEvents();
        grown = ResidentKb() - before;
    }
    state.counters["rss_kb_per_row"] =
        static_cast<double>(grown) / static_cast<double>(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PasteAndShow)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A batch of lots written as .xlsx and as CSV, as the window's exports write
// it: the table made from the rows, then the file.
void BM_Export(benchmark::State& state, const std::string& calculator, bool xlsx)
{
    const auto* found = kelvora::CalculatorById(calculator);
    const kelvora::BatchColumns columns = kelvora::ColumnsOf(*found);
    const std::vector<kelvora::BatchRow> rows = kelvora::CalculateRows(
        columns, kelvora::ParseTable(Rows(calculator, static_cast<int>(state.range(0)))));
    QTemporaryDir folder;
    const QString path = folder.filePath(xlsx ? "lots.xlsx" : "lots.csv");
    for (auto _ : state) {
        const QString problem = xlsx ? kelvora::ui::WriteXlsx(path, columns, rows)
                                     : kelvora::ui::WriteCsv(path, columns, rows);
        if (!problem.isEmpty()) {
            state.SkipWithError(problem.toStdString().c_str());
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK_CAPTURE(BM_Export, tender_xlsx, std::string("tender"), true)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Export, supervision_xlsx, std::string("supervision"), true)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Export, period_xlsx, std::string("period"), true)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Export, tender_csv, std::string("tender"), false)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Export, supervision_csv, std::string("supervision"), false)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Export, period_csv, std::string("period"), false)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
