#pragma once
// The calculation sheet (计算书) of a calculator's page, on one A4 page, to
// file with a fee notice: the project's header, a summary of the results in
// 万元 with their 小写 and 大写, the inputs as given (with what a coefficient
// chosen from the standard's list stands for, and the agency's terms in
// words), the method citing the schedule the figures followed, the working,
// and lines to sign. It is made from the page's model alone.
//
//   PageSource --PageSheetDraft--> "请先点击“…”" | SheetDraft
//
// The sheet never contradicts the screen: it holds the results shown, each
// of which must be current (its values are those it was computed from); a
// grey result, or a missing one that a shown result reads, stops it.

#include <QString>
#include <string>
#include <vector>

#include "ui/documents/document_source.h"
#include "ui/sheet/sheet_output.h"

namespace kelvora::ui {

SheetDraft PageSheetDraft(const DocumentSource& source);

// The steps whose results go on a paper, in order, or why they cannot now
// (`problem` set, nothing returned).
std::vector<const CalculatorStep*> ShownSteps(const CalculatorModel& model, QString& problem);

// An input as the user gave it, with its unit, what a listed coefficient
// stands for and, where its text is doubtful, the mark's words; empty for
// an input a paper shows elsewhere (an earlier result).
QString InputValue(const CalculatorModel& model, const CalculatorInput& input);

// The agency's terms in words where the figures follow terms other than the
// standard ones, or empty.
QString TermsShown(const CalculatorModel& model, const std::vector<const CalculatorStep*>& steps);

// What to do first so that a result becomes current, with the caption of the
// button to press ("请先点击“计算基价”"); `pressed` is the state of the step to press.
std::string PressFirstText(const StepState& state, ResultState pressed,
                           const CalculatorModel& model);

// The file name proposed for a paper made on `day`: "招标代理服务费计算书-2026-12-07.pdf".
QString DatedFileName(const QString& name, QDate day);

}  // namespace kelvora::ui
