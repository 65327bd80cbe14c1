#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "calc/float_error.h"
#include "test_support.h"

namespace kelvora {
namespace {

struct ReadCase {
    const char* text;
    double expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" -> " << c.expected;
}

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadNumber(c.text), c.expected) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(
        // nothing that starts a number reads as 0
        ReadCase{"", 0}, ReadCase{"   ", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0}, ReadCase{".", 0},
        ReadCase{"+.", 0}, ReadCase{"e5", 0}, ReadCase{"&H10", 0}, ReadCase{"&O17", 0},
        ReadCase{"\xE4\xB8\x87", 0} /* 万 */,
        // the number ends at the first character that cannot continue it
        ReadCase{"12abc", 12}, ReadCase{"1,234.5", 1}, ReadCase{"2.5.1", 2.5}, ReadCase{"5%", 5},
        ReadCase{"1,2", 1}, ReadCase{"12\xE4\xB8\x87", 12}, ReadCase{"0x1A", 0}, ReadCase{"1-2", 1},
        // blanks go wherever they stand
        ReadCase{"1 000", 1000}, ReadCase{" \t1\n2\r3 ", 123}, ReadCase{"- 3 . 5", -3.5},
        ReadCase{"1\xE3\x80\x80"
                 "000",
                 1000},
        // signs and points
        ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"-3.5", -3.5}, ReadCase{"+7", 7},
        ReadCase{"-.25", -0.25}, ReadCase{"007.50", 7.5},
        // exponents: E e D d, optional sign, at least one digit
        ReadCase{"2.5e3", 2500}, ReadCase{"25D2", 2500}, ReadCase{"25d-1", 2.5},
        ReadCase{"1E+15", 1e15}, ReadCase{"1.5E-07", 1.5e-7}, ReadCase{"1e", 1}, ReadCase{"1e+", 1},
        ReadCase{"1ex", 1}, ReadCase{"1e-400", 0}, ReadCase{"0e999999999999999999999", 0},
        ReadCase{"4.9e-324", 4.9e-324},
        // full-width forms and the ideographic full stop
        ReadCase{"\xEF\xBC\x95\xEF\xBC\x90\xEF\xBC\x90", 500} /* ５００ */,
        ReadCase{"1\xE3\x80\x82"
                 "5",
                 1.5} /* 1。5 */,
        ReadCase{"\xEF\xBC\x8D\xEF\xBC\x93\xEF\xBC\x8E\xEF\xBC\x95", -3.5} /* －３．５ */,
        ReadCase{"\xEF\xBC\x8B"
                 "2",
                 2} /* ＋2 */,
        // the shown forms of the formatters
        ReadCase{"18.975", 18.975}, ReadCase{"0.00", 0}, ReadCase{"-0.50", -0.5},
        ReadCase{"10390.0913415", 10390.0913415},
        // malformed UTF-8 ends the number
        ReadCase{"12\xFF"
                 "3",
                 12},
        ReadCase{"\xE3\x80", 0}));

TEST(ReadNumber, NumberBeyondTheDoubleRangeIsAnOverflow)
{
    for (const char* text : {"1e400", "-1e400", "1.8e308", "999e306", "0.000001e315"}) {
        EXPECT_EQ(testing::FaultOf([&] { ReadNumber(text); }), FloatFault::Overflow) << text;
    }
    EXPECT_EQ(ReadNumber("1.7976931348623157e308"), DBL_MAX);
}

TEST(ReadNumber, LargestDoubleAsShownReadsBack)
{
    // The 15-digit form of the largest doubles lies just past the double range.
    for (double x : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0)}) {
        EXPECT_EQ(std::abs(ReadNumber(FormatGeneral(x))), DBL_MAX) << FormatGeneral(x);
        EXPECT_EQ(std::abs(ReadNumber(FormatTwoDecimals(x))), DBL_MAX);
    }
    EXPECT_EQ(ReadNumber("1.79769313486232E+308"), DBL_MAX);
    // everything up to the shown figure, however many digits it is written with
    EXPECT_EQ(ReadNumber("1.7976931348623159e308"), DBL_MAX);
    EXPECT_EQ(ReadNumber("1.797693134862319e308"), DBL_MAX);
    EXPECT_EQ(ReadNumber("1.7976931348623199999999e308"), DBL_MAX);
    EXPECT_EQ(ReadNumber("-1.797693134862315999e308"), -DBL_MAX);
    EXPECT_EQ(ReadNumber("-179769313486232000" + std::string(291, '0') + ".00"), -DBL_MAX);
    EXPECT_EQ(ReadNumber("0.0179769313486232e310"), DBL_MAX);
    for (const char* text : {"1.797693134862321E+308", "1.79769313486233E+308", "1.8e308",
                             "179769313486232000000000000000000000000000001e264"}) {
        EXPECT_THROW(ReadNumber(text), FloatingPointError) << text;
    }
}

TEST(ReadNumber, LongPastedTextReadsWholeNumber)
{
    std::string text(100000, '0');
    text += "42.5";
    text.append(100000, '9');  // more fraction digits than a double can hold
    EXPECT_EQ(ReadNumber(text), 42.6);
}

struct FormatCase {
    double value;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.value << " -> " << c.expected;
}

class FormatTwoDecimalsTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTwoDecimalsTest, ShowsTwoDecimals)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatTwoDecimals(c.value), c.expected) << "value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatTwoDecimalsTest,
    ::testing::Values(FormatCase{1, "1.00"}, FormatCase{0.85, "0.85"}, FormatCase{0, "0.00"},
                      FormatCase{1.15, "1.15"}, FormatCase{1234567.891, "1234567.89"},
                      FormatCase{22.55, "22.55"}, FormatCase{-0.5, "-0.50"},
                      FormatCase{165.5499, "165.55"},
                      // half away from zero on the 15-digit form, not on the binary value
                      FormatCase{1.0349999999999999, "1.04"}, FormatCase{5.654999999999999, "5.66"},
                      FormatCase{2.675, "2.68"}, FormatCase{0.015, "0.02"},
                      FormatCase{-2.675, "-2.68"}, FormatCase{1.0049999999, "1.00"},
                      FormatCase{9.995, "10.00"}, FormatCase{999.995, "1000.00"},
                      FormatCase{0.005, "0.01"}, FormatCase{0.0049, "0.00"},
                      // never -0.00
                      FormatCase{-0.0, "0.00"}, FormatCase{-0.001, "0.00"},
                      FormatCase{-0.004999, "0.00"}, FormatCase{-0.005, "-0.01"},
                      // large and tiny magnitudes
                      FormatCase{1e20, "100000000000000000000.00"},
                      FormatCase{123456789012345678.0, "123456789012346000.00"},
                      FormatCase{1e-300, "0.00"}, FormatCase{5e-324, "0.00"}));

class FormatGeneralTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralTest, ShowsFifteenSignificantDigits)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatGeneral(c.value), c.expected) << "value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralTest,
    ::testing::Values(
        FormatCase{1.15, "1.15"}, FormatCase{181, "181"}, FormatCase{100, "100"},
        FormatCase{0, "0"}, FormatCase{-0.0, "0"}, FormatCase{1.0 / 3, "0.333333333333333"},
        FormatCase{200.0 / 3, "66.6666666666667"}, FormatCase{16.5 * 1.15, "18.975"},
        FormatCase{14.025 * 1.1, "15.4275"}, FormatCase{0.1 + 0.2, "0.3"},
        FormatCase{-2.54, "-2.54"}, FormatCase{10390.0913415, "10390.0913415"},
        // plain form from 1E-4 up to 15 integer digits
        FormatCase{0.0001, "0.0001"}, FormatCase{0.00012345, "0.00012345"},
        FormatCase{999999999999999.0, "999999999999999"},
        FormatCase{9999999999999994.0, "9.99999999999999E+15"},
        FormatCase{9999999999999999.0, "1E+16"}, FormatCase{99999.99999999999, "100000"},
        // exponent form
        FormatCase{1e15, "1E+15"}, FormatCase{0.00001, "1E-05"}, FormatCase{1.5e-7, "1.5E-07"},
        FormatCase{-2.5e20, "-2.5E+20"}, FormatCase{1e308, "1E+308"},
        FormatCase{DBL_MAX, "1.79769313486232E+308"}, FormatCase{5e-324, "4.94065645841247E-324"},
        FormatCase{123456789012345678.0, "1.23456789012346E+17"},
        FormatCase{0.000099999999999999995, "0.0001"}));

TEST(FormatWhole, ShowsDigitsAndSign)
{
    EXPECT_EQ(FormatWhole(0), "0");
    EXPECT_EQ(FormatWhole(365), "365");
    EXPECT_EQ(FormatWhole(-3), "-3");
    EXPECT_EQ(FormatWhole(3067670), "3067670");
    EXPECT_EQ(FormatWhole(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(Formatters, NonFiniteValuesAreErrors)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(FormatGeneral(inf), FloatingPointError);
    EXPECT_THROW(FormatTwoDecimals(-inf), FloatingPointError);
    EXPECT_THROW(FormatGeneral(nan), FloatingPointError);
}

// The double nearest to x's 15-significant-digit decimal form, worked out
// through the C library rather than our own code.
double NearestOfFifteenDigits(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", x);
    return std::strtod(text, nullptr);
}

double RandomDouble(std::mt19937_64& rng)
{
    std::uniform_int_distribution<int> kind(0, 5);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    const double sign = std::bernoulli_distribution(0.3)(rng) ? -1.0 : 1.0;
    switch (kind(rng)) {
        case 0:  // any magnitude a double has
            return sign * unit(rng) *
                   std::pow(10.0, std::uniform_int_distribution<int>(-320, 307)(rng));
        case 1:  // whole cents, where half-cent ties live
            return sign *
                   static_cast<double>(std::uniform_int_distribution<long>(0, 100000000)(rng)) /
                   1000.0;
        case 2:  // amounts in 万元
            return sign * std::uniform_real_distribution<double>(0, 2000000)(rng);
        case 3:  // tiny values near the plain/exponent switch
            return sign * unit(rng) *
                   std::pow(10.0, std::uniform_int_distribution<int>(-7, -2)(rng));
        case 4:  // near the 15-digit limit
            return sign * unit(rng) *
                   std::pow(10.0, std::uniform_int_distribution<int>(12, 17)(rng));
        default:  // products such as the fee chain makes
            return sign * unit(rng) * unit(rng) * 1.15;
    }
}

// printf's "%.15G" as the figures are written: an exponent of two digits at
// least, and no "-0".
std::string PrintfGeneral(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15G", x);
    return std::string(text) == "-0" ? "0" : text;
}

TEST(NumberTextProperty, GeneralFormIsPrintfsFifteenDigitForm)
{
    std::mt19937_64 rng(20261207);
    for (int i = 0; i < 300000; ++i) {
        const double x = RandomDouble(rng);
        ASSERT_EQ(FormatGeneral(x), PrintfGeneral(x)) << "from " << x;
    }
    for (double x : {100000.0, 1e14, 1e15, 1e-4, 1e-5, 0.5, -0.0, DBL_MAX, DBL_MIN, 5e-324,
                     999999999999999.5, 99999.99999999995, 1e15 - 0.5, 9.999999999999995e-5}) {
        EXPECT_EQ(FormatGeneral(x), PrintfGeneral(x)) << x;
    }
    // exact ties in the 16th digit: whole numbers and a half, which printf
    // rounds to the even digit
    std::uniform_int_distribution<long long> whole(100000000000000, 999999999999999);
    for (int i = 0; i < 20000; ++i) {
        const double x = static_cast<double>(whole(rng)) + 0.5;
        ASSERT_EQ(FormatGeneral(x), PrintfGeneral(x)) << "from " << x;
        ASSERT_EQ(FormatGeneral(x / 1024), PrintfGeneral(x / 1024)) << "from " << x / 1024;
    }
}

TEST(NumberTextProperty, FormattedTextsReadBackAsTheNumberShown)
{
    std::mt19937_64 rng(20090206);
    for (int i = 0; i < 120000; ++i) {
        const double x = RandomDouble(rng);
        const std::string general = FormatGeneral(x);
        ASSERT_EQ(ReadNumber(general), NearestOfFifteenDigits(x)) << general << " from " << x;

        ASSERT_EQ(GeneralValue(x), ReadNumber(general)) << general;

        const std::string cents = FormatTwoDecimals(x);
        ASSERT_EQ(ReadNumber(cents), std::strtod(cents.c_str(), nullptr)) << cents;
        ASSERT_EQ(TwoDecimalsValue(x), ReadNumber(cents)) << cents;
        // the cents shown are never more than half a cent plus a 15-digit step away
        const double slack = 0.005 + std::abs(x) * 1e-14 + 1e-300;
        ASSERT_LE(std::abs(ReadNumber(cents) - x), slack) << cents << " from " << x;
    }
}

}  // namespace
}  // namespace kelvora
