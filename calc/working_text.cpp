#include "calc/working_text.h"

#include "calc/number_text.h"

namespace kelvora::working {

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
