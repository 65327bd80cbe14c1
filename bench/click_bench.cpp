// The press of each step through its page's model: read the inputs, work
// the figure out, format the caption and the working, keep them with what
// they were computed from, and tell who listens. The page's inputs are set
// once, so what is timed is the calculator's own work.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/calculator_model.h"
#include "calc/calendar_days.h"
#include "calc/number_text.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

namespace kelvora {
namespace {

void BM_TenderFeeClick(benchmark::State& state)
{
    CalculatorModel page(TenderFeeCalculator());
    page.SetText(role::kTenderType, "工程招标");
    page.SetTicked(role::kDocumentService, true);
    page.SetText(role::kTenderAmount, "6000");
    for (auto _ : state) {
        Command1Click(page);
        benchmark::DoNotOptimize(page.Shown(role::kTenderFee)->caption);
    }
}
BENCHMARK(BM_TenderFeeClick);

// One press of a supervision step on a page whose earlier steps were pressed.
void BM_SupervisionClick(benchmark::State& state, void (*click)(CalculatorModel&))
{
    CalculatorModel page(SupervisionFeeCalculator());
    page.SetText(role::kFeeBasis, "35000");
    page.SetText(role::kDiscipline, "1.2");
    page.SetTicked(role::kComplexityHigh, true);
    page.SetText(role::kElevation, "1");
    page.SetText(role::kRange, "-10");
    for (auto* earlier : {&Command10Click, &ComplexityOptionClick, &Command2Click}) {
        earlier(page);
    }
    for (auto _ : state) {
        click(page);
    }
}
BENCHMARK_CAPTURE(BM_SupervisionClick, BasePrice, &Command10Click);
BENCHMARK_CAPTURE(BM_SupervisionClick, Complexity, &ComplexityOptionClick);
BENCHMARK_CAPTURE(BM_SupervisionClick, BenchmarkPrice, &Command2Click);
BENCHMARK_CAPTURE(BM_SupervisionClick, ChargedFee, &Command3Click);

void BM_PeriodClick(benchmark::State& state)
{
    using namespace std::chrono;
    CalculatorModel page(CalendarDaysCalculator());
    page.SetDate(role::kStartDate, DateTime{local_days{year{2009} / 2 / 6}});
    page.SetDate(role::kCompletionDate, DateTime{local_days{year{2010} / 2 / 6}});
    for (auto _ : state) {
        Command4Click(page);
    }
}
BENCHMARK(BM_PeriodClick);

// What a keystroke costs the page: whether each result is current.
void BM_SupervisionStates(benchmark::State& state)
{
    CalculatorModel page(SupervisionFeeCalculator());
    page.SetText(role::kFeeBasis, "35000");
    page.SetText(role::kDiscipline, "1.2");
    page.SetTicked(role::kComplexityHigh, true);
    for (auto* click : {&Command10Click, &ComplexityOptionClick, &Command2Click, &Command3Click}) {
        click(page);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.States());
    }
}
BENCHMARK(BM_SupervisionStates);

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
