#pragma once
// Double arithmetic that fails loudly. Each operation is one IEEE double
// operation, rounded as usual; a result that leaves the double range from
// finite operands, a division by zero or an invalid operation throws
// FloatingPointError instead of carrying an infinity or a NaN onward.
// Underflow and inexact results are not errors.

#include <cmath>

#include "calc/float_error.h"

namespace kelvora::checked {

inline double Finite(double result, double a, double b)
{
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) {
        throw FloatingPointError(FloatFault::InvalidOperation);
    }
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
        throw FloatingPointError(FloatFault::Overflow);
    }
    return result;
}

// Refuses an operand that is already infinite or NaN: a calculation given
// one would carry it onward instead of failing.
inline double RequireFinite(double value)
{
    if (std::isnan(value)) {
        throw FloatingPointError(FloatFault::InvalidOperation);
    }
    if (std::isinf(value)) {
        throw FloatingPointError(FloatFault::Overflow);
    }
    return value;
}

inline double Add(double a, double b)
{
    return Finite(a + b, a, b);
}
inline double Sub(double a, double b)
{
    return Finite(a - b, a, b);
}
inline double Mul(double a, double b)
{
    return Finite(a * b, a, b);
}

inline double Div(double a, double b)
{
    if (b == 0.0) {
        throw FloatingPointError(a == 0.0 || std::isnan(a) ? FloatFault::InvalidOperation
                                                           : FloatFault::DivisionByZero);
    }
    return Finite(a / b, a, b);
}

}  // namespace kelvora::checked
