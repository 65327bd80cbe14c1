// The click path of each calculator: read the inputs' texts, calculate,
// format the caption and the working, write them. The controls are a small
// fixed table, so what is timed is the calculator's own work.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calc/calendar_days.h"
#include "calc/number_text.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

namespace kelvora {
namespace {

class TableControls : public Controls {
public:
    struct Entry {
        std::string_view name;
        std::string text;
    };

    explicit TableControls(std::array<Entry, 8> entries) : m_entries(std::move(entries)) {}

    std::string Text(std::string_view control) const override { return Find(control).text; }
    int Value(std::string_view control) const override { return Find(control).text == "1"; }
    DateTime Date(std::string_view control) const override
    {
        using namespace std::chrono;
        return local_days{year{2009} / 2 / 6} + days{control == "DTPicker2" ? 365 : 0};
    }
    void SetCaption(std::string_view control, std::string_view caption) override
    {
        Find(control).text.assign(caption);
    }
    void SetWorking(std::string_view, std::string_view working) override
    {
        m_working.assign(working);
    }

private:
    Entry& Find(std::string_view control) const
    {
        for (auto& entry : m_entries) {
            if (entry.name == control) {
                return entry;
            }
        }
        return m_entries.back();
    }

    mutable std::array<Entry, 8> m_entries;
    std::string m_working;
};

TableControls SupervisionControls()
{
    return TableControls({{{"Text2", "35000"},
                           {"Label15", "629.5"},
                           {"Text4", "1.2"},
                           {"Label10", "1.15"},
                           {"Text3", "1"},
                           {"Label11", "868.71"},
                           {"Text5", "-10"},
                           {"Label14", ""}}});
}

void BM_TenderFeeClick(benchmark::State& state)
{
    TableControls controls({{{"Combo1", "工程招标"},
                             {"Check1", "1"},
                             {"Text1", "6000"},
                             {"Label5", ""},
                             {"", ""},
                             {"", ""},
                             {"", ""},
                             {"", ""}}});
    for (auto _ : state) {
        Command1Click(controls);
        benchmark::DoNotOptimize(controls.Text("Label5"));
    }
}
BENCHMARK(BM_TenderFeeClick);

void BM_BasePriceClick(benchmark::State& state)
{
    TableControls controls = SupervisionControls();
    for (auto _ : state) {
        Command10Click(controls);
    }
}
BENCHMARK(BM_BasePriceClick);

void BM_ComplexityClick(benchmark::State& state)
{
    TableControls controls = SupervisionControls();
    for (auto _ : state) {
        Option3Click(controls);
    }
}
BENCHMARK(BM_ComplexityClick);

void BM_BenchmarkPriceClick(benchmark::State& state)
{
    TableControls controls = SupervisionControls();
    for (auto _ : state) {
        Command2Click(controls);
    }
}
BENCHMARK(BM_BenchmarkPriceClick);

void BM_ChargedFeeClick(benchmark::State& state)
{
    TableControls controls = SupervisionControls();
    for (auto _ : state) {
        Command3Click(controls);
    }
}
BENCHMARK(BM_ChargedFeeClick);

void BM_PeriodClick(benchmark::State& state)
{
    TableControls controls(
        {{{"Label16", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}}});
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
