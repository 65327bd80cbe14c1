#include "calc/float_error.h"

namespace kelvora {

const char* FloatFaultName(FloatFault fault)
{
    switch (fault) {
        case FloatFault::Overflow:
            return "overflow";
        case FloatFault::DivisionByZero:
            return "division by zero";
        case FloatFault::InvalidOperation:
            return "invalid operation";
    }
    return "floating-point error";
}

FloatingPointError::FloatingPointError(FloatFault fault)
    : std::runtime_error(FloatFaultName(fault)), m_fault(fault)
{
}

}  // namespace kelvora
