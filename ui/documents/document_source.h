#pragma once
// What a document is made from: a calculator's page (its model), a batch of
// lots (its columns and worked rows, the lots chosen), or the tender's
// timetable; each with the agency's settings. Typed values only: no document
// reads a widget or a caption back.

#include <variant>
#include <vector>

#include "calc/batch.h"
#include "calc/calculator_model.h"
#include "calc/tender_timetable.h"
#include "ui/common/agency_settings.h"

namespace kelvora::ui {

struct PageSource {
    const CalculatorModel& model;
    const AgencySettings& settings;
};

struct BatchSource {
    const BatchColumns& columns;
    const std::vector<BatchRow>& rows;
    std::vector<std::size_t> chosen;  // the lots chosen (from 0), or all of them when empty
    const AgencySettings& settings;
};

struct TimetableSource {
    const TimetablePlan& plan;
    const Timetable& timetable;
};

using DocumentSource = std::variant<PageSource, BatchSource, TimetableSource>;

}  // namespace kelvora::ui
