#include "calc/result_steps.h"

#include "calc/calendar_days.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"

namespace kelvora {
namespace {

constexpr ControlName kTenderFeeInputs[] = {role::kTenderAmount, role::kTenderType,
                                            role::kDocumentService};
constexpr ControlName kBasePriceInputs[] = {role::kFeeBasis};
constexpr ControlName kBenchmarkInputs[] = {role::kBasePrice, role::kDiscipline,
                                            role::kComplexityCoefficient, role::kElevation};
constexpr ControlName kChargedFeeInputs[] = {role::kBenchmark, role::kRange};
constexpr ControlName kPeriodInputs[] = {role::kStartDate, role::kCompletionDate};

constexpr std::array<ResultStep, 6> kSteps{{
    {role::kTenderFee, role::kTenderCalculate, &Command1Click, true, kTenderFeeInputs},
    {role::kBasePrice, role::kBasePriceCalculate, &Command10Click, true, kBasePriceInputs},
    {role::kComplexityCoefficient, role::kComplexityGeneral, nullptr, false, {}},
    {role::kBenchmark, role::kBenchmarkCalculate, &Command2Click, true, kBenchmarkInputs},
    {role::kChargedFee, role::kChargedFeeCalculate, &Command3Click, true, kChargedFeeInputs},
    {role::kPeriod, role::kPeriodCalculate, &Command4Click, false, kPeriodInputs},
}};

}  // namespace

std::span<const ResultStep> ResultSteps()
{
    return kSteps;
}

const ResultStep* StepOf(ControlName result)
{
    for (const ResultStep& step : kSteps) {
        if (step.result == result) {
            return &step;
        }
    }
    return nullptr;
}

}  // namespace kelvora
