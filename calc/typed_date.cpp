#include "calc/typed_date.h"

#include <chrono>
#include <string>
#include <vector>

#include "calc/decimal_text.h"

namespace kelvora {
namespace {

// The text with full-width digits and separators as ASCII, "年" and "月" as
// "/", "日" and blanks dropped; empty when another character stands in it.
std::string Plain(std::string_view text)
{
    struct Twin {
        std::string_view from;
        std::string_view to;
    };
    static constexpr Twin kTwins[] = {
        {"０", "0"}, {"１", "1"}, {"２", "2"}, {"３", "3"}, {"４", "4"}, {"５", "5"},
        {"６", "6"}, {"７", "7"}, {"８", "8"}, {"９", "9"}, {"／", "/"}, {"－", "-"},
        {"．", "."}, {"年", "/"}, {"月", "/"}, {"日", ""},
    };
    std::string out;
    while (!text.empty()) {
        if (const std::size_t blank = BlankAt(text, 0)) {
            text.remove_prefix(blank);
            continue;
        }
        const char c = text.front();
        if ((c >= '0' && c <= '9') || c == '/' || c == '-' || c == '.') {
            out += c;
            text.remove_prefix(1);
            continue;
        }
        bool matched = false;
        for (const Twin& twin : kTwins) {
            if (text.substr(0, twin.from.size()) == twin.from) {
                out += twin.to;
                text.remove_prefix(twin.from.size());
                matched = true;
                break;
            }
        }
        if (!matched) {
            return {};
        }
    }
    return out;
}

}  // namespace

TypedDate ReadTypedDate(std::string_view text)
{
    const std::string plain = Plain(text);
    std::vector<std::string> parts;
    char separator = 0;
    std::string part;
    for (const char c : plain) {
        if (c >= '0' && c <= '9') {
            part += c;
            continue;
        }
        if (separator != 0 && c != separator) {
            return {};
        }
        separator = c;
        parts.push_back(part);
        part.clear();
    }
    parts.push_back(part);
    int year = 0;
    int month = 0;
    int day = 0;
    if (parts.size() == 3 && !parts[0].empty() && parts[0].size() <= 5 && !parts[1].empty() &&
        parts[1].size() <= 2 && !parts[2].empty() && parts[2].size() <= 2) {
        year = std::stoi(parts[0]);
        month = std::stoi(parts[1]);
        day = std::stoi(parts[2]);
    } else if (parts.size() == 1 && parts[0].size() == 8) {
        year = std::stoi(parts[0].substr(0, 4));
        month = std::stoi(parts[0].substr(4, 2));
        day = std::stoi(parts[0].substr(6, 2));
    } else {
        return {};
    }
    const std::chrono::year_month_day ymd{std::chrono::year{year},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    if (year < 1 || year > 9999 || !ymd.ok()) {
        return {TypedDateKind::NotReal, {year, month, day}};
    }
    return {TypedDateKind::Valid, {year, month, day}};
}

}  // namespace kelvora
