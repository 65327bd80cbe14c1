#pragma once
// Small helpers shared by the calc and window tests.

#include <optional>
#include <ostream>

#include "calc/control_roles.h"
#include "calc/float_error.h"

// A test that needs what only a POSIX system offers (a per-process file
// size limit, procfs, permissions root ignores) says so and skips on
// Windows; docs/dev/building.md lists them.
// A test that reads the files the program wrote back with a Linux program
// (pdftotext, Python) does so on Linux only: under Wine such a program
// starts, but its output cannot be read. The Linux run reads the same files.
#ifdef _WIN32
#define KELVORA_POSIX_ONLY(why) GTEST_SKIP() << "POSIX only: " << why
#define KELVORA_READ_BACK_ON_LINUX(tool) GTEST_SKIP() << "read back with " << tool << " on Linux"
inline constexpr bool kPosix = false;
#else
#define KELVORA_POSIX_ONLY(why) static_cast<void>(0)
#define KELVORA_READ_BACK_ON_LINUX(tool) static_cast<void>(0)
inline constexpr bool kPosix = true;
#endif

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
