// Fuzzes ReadNumber and the formatters. For any input bytes:
// - ReadNumber returns a finite number or reports an overflow, and nothing
//   else (no crash, no hang: libFuzzer's timeout catches a slow read);
// - every text a formatter writes reads back as the number shown (as the C
//   library reads that text), and shows the same text again.
// The first eight bytes are also taken as a raw double for the formatters.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/float_error.h"
#include "calc/number_text.h"

namespace {

void Require(bool condition, const char* what, const std::string& text)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s for \"%s\"\n", what, text.c_str());
        std::abort();
    }
}

// The number a shown text stands for, as the C library reads it; the 15-digit
// form of the very largest doubles lies just past the range and stands for
// the largest double.
double Shown(const std::string& text)
{
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isinf(value) ? std::copysign(DBL_MAX, value) : value;
}

void CheckShown(double x)
{
    using namespace kelvora;
    const std::string general = FormatGeneral(x);
    Require(ReadNumber(general) == Shown(general), "FormatGeneral text reads back as shown",
            general);
    Require(FormatGeneral(ReadNumber(general)) == general, "FormatGeneral shows the same again",
            general);

    const std::string cents = FormatTwoDecimals(x);
    Require(ReadNumber(cents) == Shown(cents), "FormatTwoDecimals text reads back as shown", cents);
    Require(FormatTwoDecimals(ReadNumber(cents)) == cents, "FormatTwoDecimals shows the same again",
            cents);
    Require(cents.rfind("-0.00", 0) != 0, "no negative zero", cents);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kelvora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double x = ReadNumber(text);
        Require(std::isfinite(x), "ReadNumber gives a finite number", std::string(text));
        CheckShown(x);
    } catch (const FloatingPointError& e) {
        Require(e.fault() == FloatFault::Overflow, "ReadNumber fails only by overflow",
                std::string(text));
    }

    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw)) {
            CheckShown(raw);
        } else {
            bool refused = false;
            try {
                FormatGeneral(raw);
            } catch (const FloatingPointError&) {
                refused = true;
            }
            Require(refused, "a non-finite value is refused", "raw double");
        }
    }
    return 0;
}
