// The click path of each calculator: read the inputs' texts, calculate,
// format the caption and the working, write them. The controls are a small
// fixed table, so what is timed is the calculator's own work.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/calendar_days.h"
#include "calc/number_text.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

namespace kelvora {
namespace {

class TableControls : public Controls {
public:
    struct Entry {
        ControlName name;
        std::string text;
    };

    explicit TableControls(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    std::string Text(ControlName control) const override { return Find(control).text; }
    bool Checked(ControlName control) const override { return Find(control).text == "1"; }
    DateTime Date(ControlName control) const override
    {
        using namespace std::chrono;
        return local_days{year{2009} / 2 / 6} + days{control == role::kCompletionDate ? 365 : 0};
    }
    void WriteResult(ControlName control, const Result& result) override
    {
        Find(control).text = result.caption;
        m_working = result.working;
    }

private:
    Entry& Find(ControlName control) const
    {
        for (auto& entry : m_entries) {
            if (entry.name == control) {
                return entry;
            }
        }
        return m_entries.back();
    }

    mutable std::vector<Entry> m_entries;
    std::string m_working;
};

TableControls SupervisionControls()
{
    return TableControls({{role::kFeeBasis, "35000"},
                          {role::kBasePrice, "629.5"},
                          {role::kDiscipline, "1.2"},
                          {role::kComplexityCoefficient, "1.15"},
                          {role::kElevation, "1"},
                          {role::kBenchmark, "868.71"},
                          {role::kRange, "-10"},
                          {role::kChargedFee, ""}});
}

void BM_TenderFeeClick(benchmark::State& state)
{
    TableControls controls({{role::kTenderType, "工程招标"},
                            {role::kDocumentService, "1"},
                            {role::kTenderAmount, "6000"},
                            {role::kTenderFee, ""}});
    for (auto _ : state) {
        Command1Click(controls);
        benchmark::DoNotOptimize(controls.Text(role::kTenderFee));
    }
}
BENCHMARK(BM_TenderFeeClick);

// One click of a supervision step on the controls of SupervisionControls().
void BM_SupervisionClick(benchmark::State& state, void (*click)(Controls&))
{
    TableControls controls = SupervisionControls();
    for (auto _ : state) {
        click(controls);
    }
}
BENCHMARK_CAPTURE(BM_SupervisionClick, BasePrice, &Command10Click);
BENCHMARK_CAPTURE(BM_SupervisionClick, Complexity,
                  [](Controls& c) { ComplexityCoefficient(c, 2); });
BENCHMARK_CAPTURE(BM_SupervisionClick, BenchmarkPrice, &Command2Click);
BENCHMARK_CAPTURE(BM_SupervisionClick, ChargedFee, &Command3Click);

void BM_PeriodClick(benchmark::State& state)
{
    TableControls controls({{role::kPeriod, ""}});
    for (auto _ : state) {
        Command4Click(controls);
    }
}
BENCHMARK(BM_PeriodClick);

// The caption alone, without the working: read, calculate, format.
void BM_TenderFeeCaptionOnly(benchmark::State& state)
{
    const std::string amount = "6000";
    for (auto _ : state) {
        const double fee = TenderAgencyFee(ReadNumber(amount), TenderType::Engineering, true);
        benchmark::DoNotOptimize(FormatTwoDecimals(fee));
    }
}
BENCHMARK(BM_TenderFeeCaptionOnly);

void BM_BenchmarkPriceCaptionOnly(benchmark::State& state)
{
    const std::string texts[] = {"629.5", "1.2", "1.15", "1"};
    for (auto _ : state) {
        const double price = BenchmarkPrice(ReadNumber(texts[0]), ReadNumber(texts[1]),
                                            ReadNumber(texts[2]), ReadNumber(texts[3]));
        benchmark::DoNotOptimize(FormatGeneral(price));
    }
}
BENCHMARK(BM_BenchmarkPriceCaptionOnly);

// A pasted text of n characters: an amount whose fraction runs on in groups
// of digits with blanks between them, as a careless paste can give.
void BM_ReadNumberPasted(benchmark::State& state)
{
    std::string text = "12 345.";
    const auto n = static_cast<std::size_t>(state.range(0));
    while (text.size() < n) {
        text += "123 456 ";
    }
    text.resize(n);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadNumber(text));
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ReadNumberPasted)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace kelvora

BENCHMARK_MAIN();
