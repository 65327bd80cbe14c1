#pragma once
// Small helpers shared by the calc and window tests.

#include <optional>
#include <ostream>

#include "calc/control_roles.h"
#include "calc/float_error.h"

namespace kelvora {

// Lets GoogleTest and SCOPED_TRACE print a control by its name.
inline std::ostream& operator<<(std::ostream& os, ControlName name)
{
    return os << name.str();
}

namespace testing {

// The fault `call` throws, or nothing when it returns normally.
template <typename Call>
std::optional<FloatFault> FaultOf(Call&& call)
{
    try {
        call();
    } catch (const FloatingPointError& e) {
        return e.fault();
    }
    return std::nullopt;
}

}  // namespace testing
}  // namespace kelvora
