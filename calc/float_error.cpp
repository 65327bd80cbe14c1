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

const char* FloatFaultText(FloatFault fault)
{
    switch (fault) {
        case FloatFault::Overflow:
            return "溢出";
        case FloatFault::DivisionByZero:
            return "除数为零";
        case FloatFault::InvalidOperation:
            break;
    }
    return "无效的过程调用或参数";
}

}  // namespace kelvora
