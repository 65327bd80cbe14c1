#pragma once
// The calculators of the window, in the order of their pages, and what the
// table alone tells about a step: which step shows a result, which input a
// control is, which choice holds none of its entries, and what to do first
// to make a result current.
//
//   Calculators() --> tender fee, supervision fee, construction period
//   a step that is not current --PressFirst--> "请先点击“计算基价”"

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/calculator.h"

namespace kelvora {

std::span<const Calculator* const> Calculators();

// The calculator named `id` ("tender", "supervision", "period"), or nullptr.
const Calculator* CalculatorById(std::string_view id);

// The calculator that holds `control` as its frame, an input, a button or a
// result, or nullptr.
const Calculator* CalculatorOf(ControlName control);

// The step of `calculator` that shows `result`, or nullptr.
const CalculatorStep* StepWriting(const Calculator& calculator, ControlName result);
// The same over every calculator.
const CalculatorStep* StepWriting(ControlName result);

// The index of `step` among its calculator's steps.
std::size_t StepIndex(const Calculator& calculator, const CalculatorStep& step);

// The choice input of the step whose text is none of its entries, or nullptr.
const CalculatorInput* UnchosenInput(const CalculatorStep& step, const InputValues& inputs);

enum class ResultState { Missing, Current, Stale };

struct StepState {
    ResultState state = ResultState::Missing;
    // The step to press first to make this one current (itself when it is
    // missing); nullptr when it is current.
    const CalculatorStep* press = nullptr;
};

// What to do first so that a result becomes current, where `press` is the
// step to press, `state` the state of its own result and `button` the
// caption its button shows: "请先点击“计算基价”", "请先选择工程复杂程度",
// "请先选择服务类型" for a missing one, "输入已更改，请点击“计算”重新计算" (or
// "…请重新选择…", "…请选择…") for a stale one.
std::string PressFirst(const CalculatorStep& press, ResultState state, const InputValues& inputs,
                       std::string_view button);

// The input of any calculator that reads `control` (a box, a choice, a
// date), or nullptr.
const CalculatorInput* InputOf(ControlName control);

}  // namespace kelvora
