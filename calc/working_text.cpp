#include "calc/working_text.h"

#include "calc/number_text.h"

namespace kelvora::working {

void Append(std::string& out, std::initializer_list<std::string_view> pieces)
{
    std::size_t size = out.size();
    for (std::string_view piece : pieces) {
        size += piece.size();
    }
    out.reserve(size);
    for (std::string_view piece : pieces) {
        out.append(piece);
    }
}

std::string Cat(std::initializer_list<std::string_view> pieces)
{
    std::string out;
    Append(out, pieces);
    return out;
}

std::string Num(double value)
{
    return FormatGeneral(value);
}

std::string Percent(double fraction)
{
    return FormatGeneral(fraction * 100) + "%";
}

DecimalText Exact(std::string_view shown)
{
    const bool percent = !shown.empty() && shown.back() == '%';
    if (percent) {
        shown.remove_suffix(1);
    }
    DecimalText value = ReadDecimalText(shown).value_or(DecimalText{});
    if (percent && !value.digits.empty()) {
        value.exponent -= 2;
    }
    return value;
}

std::string_view Equals(const DecimalText& exact, std::string_view shown)
{
    return Compare(exact, Exact(shown)) == 0 ? "=" : "≈";
}

std::string_view EqualsQuotient(const DecimalText& dividend, const DecimalText& divisor,
                                std::string_view shown)
{
    return Compare(Times(Exact(shown), divisor), dividend) == 0 ? "=" : "≈";
}

}  // namespace kelvora::working
