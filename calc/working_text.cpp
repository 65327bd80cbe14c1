#include "calc/working_text.h"

#include "calc/number_text.h"

namespace kelvora::working {

std::string Cat(std::initializer_list<std::string_view> pieces)
{
    std::size_t size = 0;
    for (std::string_view piece : pieces) {
        size += piece.size();
    }
    std::string out;
    out.reserve(size);
    for (std::string_view piece : pieces) {
        out.append(piece);
    }
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

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        if (!out.empty()) {
            out += '\n';
        }
        out += line;
    }
    return out;
}

}  // namespace kelvora::working
