// Number texts: tables of the documented examples and boundaries, and random
// numbers checked against independent references.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "text/Numbers.h"

namespace {

// Reference grouping: walk std::to_string's digits from the right.
std::string ReferenceComma(long long v)
{
    std::string digits = std::to_string(v);
    bool negative = digits[0] == '-';
    if (negative) digits.erase(0, 1);
    std::string out;
    int n = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (n && n % 3 == 0) out.insert(out.begin(), ',');
        out.insert(out.begin(), *it);
        ++n;
    }
    return negative ? "-" + out : out;
}

// The four-group algorithm of the drive texts, for values from 0 up.
std::string FourGroups(int32_t n)
{
    int b = n / 1000000000, m = (n % 1000000000) / 1000000, t = (n % 1000000) / 1000, u = n % 1000;
    std::string s;
    if (b != 0) s = std::to_string(b) + ",";
    if (!s.empty()) s += ZeroPad3(m) + ",";
    else if (m != 0) s = std::to_string(m) + ",";
    if (!s.empty()) s += ZeroPad3(t) + ",";
    else if (t != 0) s = std::to_string(t) + ",";
    if (!s.empty()) s += ZeroPad3(u);
    else s = std::to_string(u);
    return s;
}

}  // namespace

TEST(CommaText, Int32Table)
{
    struct {
        int32_t n;
        const char* text;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {1001, "1,001"},
        {999999, "999,999"},
        {1000000, "1,000,000"},
        {1000000000, "1,000,000,000"},
        {1002003004, "1,002,003,004"},
        {2147483647, "2,147,483,647"},
        {-1, "-1"},
        {-999, "-999"},
        {-1000, "-1,000"},
        {-1234, "-1,234"},
        {-1000000, "-1,000,000"},
        {INT32_MIN, "-2,147,483,648"},
    };
    for (const auto& c : cases) EXPECT_EQ(IntToCommaStr(c.n), c.text) << c.n;
}

TEST(CommaText, Int64Table)
{
    struct {
        int64_t v;
        const char* text;
    } cases[] = {
        {0, "0"},
        {12, "12"},
        {123, "123"},
        {1234, "1,234"},
        {123456, "123,456"},
        {1234567, "1,234,567"},
        {80023715840LL, "80,023,715,840"},
        {-123456, "-123,456"},
        {-12, "-12"},
        {-1234567, "-1,234,567"},
        {INT64_MAX, "9,223,372,036,854,775,807"},
        {INT64_MIN, "-9,223,372,036,854,775,808"},
    };
    for (const auto& c : cases) EXPECT_EQ(Int64ToCommaStr(c.v), c.text) << c.v;
}

TEST(CommaText, RandomNumbersAgreeWithReferences)
{
    std::mt19937_64 rng(20261211);
    for (int i = 0; i < 200000; ++i) {
        // Spread over every magnitude, not only the huge ones.
        int64_t v = (int64_t)rng() >> (rng() % 64);
        ASSERT_EQ(Int64ToCommaStr(v), ReferenceComma(v)) << v;
        int32_t n = (int32_t)v;
        ASSERT_EQ(IntToCommaStr(n), ReferenceComma(n)) << n;
        if (n >= 0) {
            ASSERT_EQ(IntToCommaStr(n), FourGroups(n)) << n;
        }
    }
}

TEST(ZeroPad3, Table)
{
    struct {
        int n;
        const char* text;
    } cases[] = {{0, "000"}, {5, "005"}, {9, "009"}, {10, "010"}, {99, "099"},
                 {100, "100"}, {999, "999"}, {1000, "1000"}, {-7, "-007"}};
    for (const auto& c : cases) EXPECT_EQ(ZeroPad3(c.n), c.text) << c.n;
}

TEST(FloatText, Table)
{
    struct {
        double v;
        char sep;
        const char* text;
    } cases[] = {
        {74.52, '.', "74.52"},
        {7452 * 0.01, '.', "74.52"},  // the product is not exactly 74.52
        {1149 * 0.01, '.', "11.49"},
        {0.01, '.', "0.01"},
        {0.5, '.', "0.5"},
        {1, '.', "1"},
        {1024, '.', "1024"},
        {0, '.', "0"},
        {-2.25, '.', "-2.25"},
        {74.52, ',', "74,52"},
        {123456789012345.0, '.', "123456789012345"},
        {1e15, '.', "1E15"},
        {0.1 + 0.2, '.', "0.3"},
        {1.0 / 3, '.', "0.333333333333333"},
        {0.00001, '.', "0.00001"},
        {0.0000015, '.', "1.5E-6"},
        {NAN, '.', "NAN"},
        {INFINITY, '.', "INF"},
        {-INFINITY, '.', "-INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.v, c.sep), c.text) << c.v;
}

TEST(FloatText, RandomValuesReadBackAtFifteenDigits)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-5, 14);
    for (int i = 0; i < 100000; ++i) {
        double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        std::string text = FloatToStr(v);
        char ref[64];
        std::snprintf(ref, sizeof ref, "%.14e", v);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(ref, nullptr)) << text;
        if (text.find('E') != std::string::npos) continue;
        ASSERT_EQ(text.find(','), std::string::npos) << text;
        size_t point = text.find('.');
        if (point != std::string::npos) {
            ASSERT_NE(text.back(), '0') << text;
            ASSERT_NE(text.back(), '.') << text;
        }
    }
}

TEST(ThousandsPattern, Table)
{
    struct {
        double v;
        char sep;
        const char* text;
    } cases[] = {
        {0, ',', ""},
        {0.4, ',', ""},
        {0.5, ',', "1"},
        {1, ',', "1"},
        {999, ',', "999"},
        {1000, ',', "1,000"},
        {1024, ',', "1,024"},
        {1234567.6, ',', "1,234,568"},
        {3145728, '.', "3.145.728"},
        {-1500, ',', "-1,500"},
        {-0.2, ',', ""},
        {1234567, '\0', "1234567"},
        {NAN, ',', ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatThousands(c.v, c.sep), c.text) << c.v;
}

TEST(ThousandsPattern, RandomWholeNumbersAgreeWithReference)
{
    std::mt19937_64 rng(11);
    for (int i = 0; i < 100000; ++i) {
        long long v = (long long)(rng() >> (11 + rng() % 53));  // below 2^53: exact in double
        if (rng() & 1) v = -v;
        std::string text = FormatThousands((double)v, ' ');
        std::string expected = v == 0 ? "" : ReferenceComma(v);
        for (char& c : expected)
            if (c == ',') c = ' ';
        ASSERT_EQ(text, expected) << v;
    }
}
