#include "calc/decimal_text.h"

#include <algorithm>

namespace kelvora {
namespace {

constexpr std::string_view kBlanks[] = {" ", "\t", "\r", "\n", "\u3000", "\u00A0"};

// The blank that ends `text` takes this many bytes, or 0.
std::size_t BlankBefore(std::string_view text)
{
    for (std::string_view blank : kBlanks) {
        if (text.size() >= blank.size() && text.substr(text.size() - blank.size()) == blank) {
            return blank.size();
        }
    }
    return 0;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr long long kExponentCap = 1'000'000;

std::string AddDigits(const std::string& a, const std::string& b)  // same length
{
    std::string out(a.size() + 1, '0');
    int carry = 0;
    for (std::size_t k = a.size(); k-- > 0;) {
        const int sum = (a[k] - '0') + (b[k] - '0') + carry;
        out[k + 1] = static_cast<char>('0' + sum % 10);
        carry = sum / 10;
    }
    out[0] = static_cast<char>('0' + carry);
    return out;
}

std::string SubtractDigits(const std::string& a, const std::string& b)  // a >= b, same length
{
    std::string out(a.size(), '0');
    int borrow = 0;
    for (std::size_t k = a.size(); k-- > 0;) {
        const int diff = (a[k] - '0') - (b[k] - '0') - borrow;
        borrow = diff < 0 ? 1 : 0;
        out[k] = static_cast<char>('0' + diff + borrow * 10);
    }
    return out;
}

// Both digit strings padded with leading zeros to one width.
void SameWidth(std::string& a, std::string& b)
{
    const std::size_t width = std::max(a.size(), b.size());
    a.insert(0, width - a.size(), '0');
    b.insert(0, width - b.size(), '0');
}

}  // namespace

std::size_t BlankAt(std::string_view text, std::size_t at)
{
    const std::string_view rest = text.substr(std::min(at, text.size()));
    for (std::string_view blank : kBlanks) {
        if (rest.substr(0, blank.size()) == blank) {
            return blank.size();
        }
    }
    return 0;
}

std::string_view Trimmed(std::string_view text)
{
    while (const std::size_t n = BlankAt(text, 0)) {
        text.remove_prefix(n);
    }
    while (const std::size_t n = BlankBefore(text)) {
        text.remove_suffix(n);
    }
    return text;
}

bool IsBlank(std::string_view text)
{
    return Trimmed(text).empty();
}

std::optional<DecimalText> ReadDecimalText(std::string_view text)
{
    DecimalText d;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string whole;
    std::string fraction;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        whole += text[i];
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            fraction += text[i];
        }
    }
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    long long power = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool minus = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            minus = text[i++] == '-';
        }
        const std::size_t first = i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            power = std::min(power * 10 + (text[i] - '0'), kExponentCap);
        }
        if (i == first) {
            return std::nullopt;
        }
        power = minus ? -power : power;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    d.digits = whole + fraction;
    d.digits.erase(0, std::min(d.digits.find_first_not_of('0'), d.digits.size()));
    d.exponent = power - static_cast<long long>(fraction.size());
    d.decimals = static_cast<int>(std::min(std::max(0LL, -d.exponent), kExponentCap));
    d.negative = negative && !d.digits.empty();
    return d;
}

namespace {

// Leading zeros dropped; zero is never negative.
DecimalText Normalised(DecimalText d)
{
    d.digits.erase(0, std::min(d.digits.find_first_not_of('0'), d.digits.size()));
    if (d.digits.empty()) {
        d.negative = false;
        d.exponent = 0;
    }
    d.decimals = static_cast<int>(std::min(std::max(0LL, -d.exponent), kExponentCap));
    return d;
}

// |a| compared with |b|.
int CompareMagnitude(const DecimalText& a, const DecimalText& b)
{
    const long long low = std::min(a.exponent, b.exponent);
    std::string x = a.digits + std::string(static_cast<std::size_t>(a.exponent - low), '0');
    std::string y = b.digits + std::string(static_cast<std::size_t>(b.exponent - low), '0');
    x.erase(0, std::min(x.find_first_not_of('0'), x.size()));
    y.erase(0, std::min(y.find_first_not_of('0'), y.size()));
    if (x.size() != y.size()) {
        return x.size() < y.size() ? -1 : 1;
    }
    return x == y ? 0 : (x < y ? -1 : 1);
}

}  // namespace

DecimalText Plus(const DecimalText& a, const DecimalText& b)
{
    const long long low = std::min(a.exponent, b.exponent);
    std::string x = a.digits + std::string(static_cast<std::size_t>(a.exponent - low), '0');
    std::string y = b.digits + std::string(static_cast<std::size_t>(b.exponent - low), '0');
    SameWidth(x, y);
    DecimalText sum;
    sum.exponent = low;
    if (a.negative == b.negative) {
        sum.digits = AddDigits(x, y);
        sum.negative = a.negative;
    } else if (x >= y) {
        sum.digits = SubtractDigits(x, y);
        sum.negative = a.negative;
    } else {
        sum.digits = SubtractDigits(y, x);
        sum.negative = b.negative;
    }
    return Normalised(std::move(sum));
}

DecimalText Minus(const DecimalText& a, const DecimalText& b)
{
    DecimalText negated = b;
    negated.negative = !b.negative && !b.digits.empty();
    return Plus(a, negated);
}

DecimalText Times(const DecimalText& a, const DecimalText& b)
{
    DecimalText product;
    product.negative = a.negative != b.negative;
    product.exponent = a.exponent + b.exponent;
    std::vector<int> places(a.digits.size() + b.digits.size(), 0);
    for (std::size_t i = a.digits.size(); i-- > 0;) {
        for (std::size_t j = b.digits.size(); j-- > 0;) {
            places[i + j + 1] += (a.digits[i] - '0') * (b.digits[j] - '0');
        }
    }
    for (std::size_t k = places.size(); k-- > 1;) {
        places[k - 1] += places[k] / 10;
        places[k] %= 10;
    }
    for (int place : places) {
        product.digits += static_cast<char>('0' + place);
    }
    return Normalised(std::move(product));
}

int Compare(const DecimalText& a, const DecimalText& b)
{
    if (a.negative != b.negative) {
        return a.negative ? -1 : 1;
    }
    const int magnitude = CompareMagnitude(a, b);
    return a.negative ? -magnitude : magnitude;
}

std::string PlainText(const DecimalText& d)
{
    if (d.digits.empty()) {
        return "0";
    }
    std::string digits = d.digits;
    std::string out = d.negative ? "-" : "";
    if (d.exponent >= 0) {
        return out + digits + std::string(static_cast<std::size_t>(d.exponent), '0');
    }
    const auto places = static_cast<std::size_t>(-d.exponent);
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    std::string fraction = digits.substr(digits.size() - places);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    out += digits.substr(0, digits.size() - places);
    return fraction.empty() ? out : out + "." + fraction;
}

std::optional<std::string> DecimalSum(const std::vector<std::string>& numbers)
{
    std::vector<DecimalText> terms;
    terms.reserve(numbers.size());
    for (const std::string& number : numbers) {
        auto d = ReadDecimalText(number);
        if (!d) {
            return std::nullopt;
        }
        terms.push_back(std::move(*d));
    }
    long long low = 0;
    bool sameDecimals = true;
    for (const DecimalText& d : terms) {
        low = std::min(low, d.exponent);
        sameDecimals = sameDecimals && d.decimals == terms.front().decimals;
    }
    // The positive and the negative terms added apart, as digits at the power
    // `low`, then the smaller total taken from the larger.
    const auto add = [](std::string total, std::string term) {
        SameWidth(total, term);
        std::string sum = AddDigits(total, term);
        sum.erase(0, std::min(sum.find_first_not_of('0'), sum.size() - 1));  // no growing zeros
        return sum;
    };
    std::string positive = "0";
    std::string negative = "0";
    for (const DecimalText& d : terms) {
        std::string& total = d.negative ? negative : positive;
        total = add(total, d.digits + std::string(static_cast<std::size_t>(d.exponent - low), '0'));
    }
    SameWidth(positive, negative);
    const bool below = positive < negative;
    std::string sum =
        below ? SubtractDigits(negative, positive) : SubtractDigits(positive, negative);
    sum.erase(0, std::min(sum.find_first_not_of('0'), sum.size()));
    const auto places = static_cast<std::size_t>(-low);
    if (sum.size() <= places) {
        sum.insert(0, places + 1 - sum.size(), '0');
    }
    const std::string whole = sum.substr(0, sum.size() - places);
    std::string fraction = sum.substr(sum.size() - places);
    const std::size_t keep =
        sameDecimals && !terms.empty() ? static_cast<std::size_t>(terms.front().decimals) : 0;
    while (fraction.size() > keep && fraction.back() == '0') {
        fraction.pop_back();
    }
    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    return (below && !zero ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

}  // namespace kelvora
