// Whole processes for the side-by-side measures of many lots (each prints
// its own time on stderr as "ms=", beside what the process costs as a whole):
//
//   kelvora_lots rows KIND IN.tsv OUT.tsv     CalculateRows: the text worked out to a table
//   kelvora_lots paste IN.tsv                 pasted into the batch table and shown
//   kelvora_lots csv|xlsx KIND IN.tsv OUT     the lots worked out, then the file written (timed)
//
// KIND is tender, supervision or period; IN.tsv holds rows as a spreadsheet copies them.

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "calc/batch.h"
#include "calc/calculators.h"
#include "calc/supervision_fee.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/table_files.h"

namespace {

std::string ReadAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(std::strlen(key)));
        }
    }
    return -1;
}

double Ms(std::chrono::steady_clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from)
        .count();
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: kelvora_lots rows KIND IN OUT | paste IN | csv|xlsx KIND IN OUT\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        return Usage();
    }
    const std::string verb = argv[1];
    if (verb == "rows" && argc == 5) {
        const std::string text = ReadAll(argv[3]);
        const auto start = std::chrono::steady_clock::now();
        const std::string table = kelvora::CalculateRows(argv[2], text);
        const double ms = Ms(start);
        std::ofstream(argv[4], std::ios::binary) << table;
        std::fprintf(stderr, "kelvora rows %s ms=%.2f out_bytes=%zu\n", argv[2], ms, table.size());
        return 0;
    }
    if (verb == "paste" && argc == 3) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QApplication app(argc, argv);
        const QString rows = QString::fromStdString(ReadAll(argv[2]));
        const long before = StatusKb("VmRSS:");
        const auto start = std::chrono::steady_clock::now();
        kelvora::ui::BatchModel model(kelvora::SupervisionFeeCalculator(), {}, nullptr, nullptr);
        QTableView view;
        view.horizontalHeader()->setResizeContentsPrecision(0);  // as the batch window fits them
        view.setModel(&model);
        view.resize(900, 480);
        view.show();
        const QString problem = model.PasteRows(rows);
        view.resizeColumnsToContents();
        view.scrollToBottom();
        QApplication::processEvents();
        const double ms = Ms(start);
        const long after = StatusKb("VmRSS:");
        std::fprintf(stderr, "kelvora paste ms=%.2f rows=%zu grown_kb=%ld hwm_kb=%ld%s\n", ms,
                     model.rows().size(), after - before, StatusKb("VmHWM:"),
                     problem.isEmpty() ? "" : " (refused)");
        return problem.isEmpty() ? 0 : 1;
    }
    if ((verb == "csv" || verb == "xlsx") && argc == 5) {
        QCoreApplication app(argc, argv);  // the module is found beside the program
        const kelvora::Calculator* calculator = kelvora::CalculatorById(argv[2]);
        if (calculator == nullptr) {
            return Usage();
        }
        const kelvora::Lots lots = kelvora::LotsOf(*calculator, ReadAll(argv[3]));
        const QString path = QString::fromLocal8Bit(argv[4]);
        const auto start = std::chrono::steady_clock::now();
        const QString problem = verb == "csv"
                                    ? kelvora::ui::WriteCsv(path, lots.columns, lots.rows)
                                    : kelvora::ui::WriteXlsx(path, lots.columns, lots.rows);
        std::fprintf(stderr, "kelvora %s %s ms=%.2f rows=%zu %s\n", verb.c_str(), argv[2],
                     Ms(start), lots.rows.size(), problem.toStdString().c_str());
        return problem.isEmpty() ? 0 : 1;
    }
    return Usage();
}
