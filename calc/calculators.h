#pragma once
// The calculators of the window, in the order of their pages, and what the
// table alone tells about a step: which step writes a result, what pressing
// its button now would write, and whether the result it shows is current.
//
//   Calculators() --> tender fee, supervision fee, construction period
//   window (Controls) + shown workings --StepStates--> current | stale | missing
//
// A result is current when its button, pressed now, would write the same
// caption and working, and every earlier result it reads is current too.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"

namespace kelvora {

std::span<const Calculator* const> Calculators();

// The calculator named `id` ("tender", "supervision", "period"), or nullptr.
const Calculator* CalculatorById(std::string_view id);

// The calculator that holds `control` as its frame, an input, a button or a
// result, or nullptr.
const Calculator* CalculatorOf(ControlName control);

// The step of `calculator` that writes `result`, or nullptr.
const CalculatorStep* StepWriting(const Calculator& calculator, ControlName result);
// The same over every calculator.
const CalculatorStep* StepWriting(ControlName result);

// What pressing the step's button now would write: nothing when the click
// writes nothing (no option ticked, a tender type that is none of the three)
// or fails.
std::optional<Result> PressNow(const CalculatorStep& step, const Controls& window);

// The choice input of the step whose text is none of its entries, or nullptr.
const CalculatorInput* UnchosenInput(const CalculatorStep& step, const Controls& window);

enum class ResultState { Missing, Current, Stale };

struct StepState {
    ResultState state = ResultState::Missing;
    // The step to press first to make this one current (itself when it is
    // missing); nullptr when it is current.
    const CalculatorStep* press = nullptr;
};

// The state of every step of `calculator`, in order. `shown` gives what a
// result label shows: its caption, working and amount.
std::vector<StepState> StepStates(const Calculator& calculator, const Controls& window,
                                  const std::function<Result(ControlName)>& shown);

// What to do first so that a result becomes current, where `press` is the
// step to press and `state` the state of its own result: "请先点击“计算基价”",
// "请先选择工程复杂程度", "请先选择服务类型" for a missing one, "输入已更改，请点击
// “计算”重新计算" (or "…请重新选择…", "…请选择…") for a stale one. The
// button's caption is read from `window`.
std::string PressFirst(const CalculatorStep& press, ResultState state, const Controls& window);

// The input of any calculator that reads `control` (a box, a choice, a
// date), or nullptr.
const CalculatorInput* InputOf(ControlName control);

}  // namespace kelvora
