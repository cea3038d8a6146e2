#include "text/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string GroupDigits(const std::string& digits, char sep)
{
    if (sep == '\0') return digits;  // a locale without a group separator
    std::string out;
    size_t head = digits.size() % 3;
    if (head == 0 && !digits.empty()) head = 3;
    out.reserve(digits.size() + digits.size() / 3);
    out.append(digits, 0, head);
    for (size_t i = head; i < digits.size(); i += 3) {
        out += sep;
        out.append(digits, i, 3);
    }
    return out;
}

namespace {

std::string Magnitude(uint64_t m) { return std::to_string(m); }

std::string SignedGrouped(bool negative, uint64_t magnitude)
{
    std::string text = GroupDigits(Magnitude(magnitude), ',');
    return negative ? "-" + text : text;
}

}  // namespace

std::string IntToCommaStr(int32_t n)
{
    // Magnitude in 64 bits so that INT32_MIN has one.
    int64_t v = n;
    return SignedGrouped(v < 0, (uint64_t)(v < 0 ? -v : v));
}

std::string Int64ToCommaStr(int64_t v)
{
    // -(v + 1) + 1 keeps INT64_MIN representable as an unsigned magnitude.
    uint64_t magnitude = v < 0 ? (uint64_t)(-(v + 1)) + 1 : (uint64_t)v;
    return SignedGrouped(v < 0, magnitude);
}

std::string ZeroPad3(int n)
{
    long long m = n;  // INT_MIN has a magnitude in 64 bits
    std::string sign = m < 0 ? "-" : "";
    if (m < 0) m = -m;
    if (m <= 9) return sign + "00" + std::to_string(m);
    if (m >= 100) return sign + std::to_string(m);
    return sign + "0" + std::to_string(m);
}

std::string FloatToStr(double v, char decimalSep)
{
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0) return "0";

    // 15 significant digits, rounded by the C library: d.dddddddddddddde±x.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    std::string s = buf;
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    size_t e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out;
    if (exponent >= 15 || exponent < -5) {
        out = digits.substr(0, 1);
        if (digits.size() > 1) out += decimalSep + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0";
        out += decimalSep;
        out += std::string((size_t)(-exponent - 1), '0') + digits;
    } else {
        size_t intDigits = (size_t)exponent + 1;
        if (digits.size() <= intDigits) {
            out = digits + std::string(intDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, intDigits) + decimalSep + digits.substr(intDigits);
        }
    }
    return negative ? "-" + out : out;
}

std::string FormatThousands(double v, char sep)
{
    if (!std::isfinite(v)) return "";
    double r = std::round(v);  // halves away from zero
    if (r == 0) return "";
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", std::fabs(r));
    std::string text = GroupDigits(buf, sep);
    return r < 0 ? "-" + text : text;
}
