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

}  // namespace kelvora::working
