#pragma once
// A calculation that leaves the double range, divides by zero or does an
// invalid operation throws FloatingPointError. The click layers let it pass
// through untouched, so the result caption is never written; the window
// catches it in one place and reports it.

#include <stdexcept>

namespace kelvora {

enum class FloatFault {
    Overflow,
    DivisionByZero,
    InvalidOperation,
};

// "overflow", "division by zero", "invalid operation"
const char* FloatFaultName(FloatFault fault);

// What the user is told: "溢出", "除数为零", "无效的过程调用或参数".
const char* FloatFaultText(FloatFault fault);

class FloatingPointError : public std::runtime_error {
public:
    explicit FloatingPointError(FloatFault fault);
    FloatFault fault() const noexcept { return m_fault; }

private:
    FloatFault m_fault;
};

}  // namespace kelvora
