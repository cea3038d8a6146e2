// Fuzz harness of the number texts (text/Numbers.h) and the drive capacity
// texts built from them (text/DiskText.h): every text reads back to the
// value it was made from, digits grouped in threes from the right.
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "text/DiskText.h"
#include "text/Numbers.h"

namespace {

// Reads "[-]d{1,3}(,ddd)*" back (sep '\0': plain digits); false when the
// text has another form.
bool ParseGrouped(const std::string& text, char sep, bool& negative, std::string& digits)
{
    negative = !text.empty() && text[0] == '-';
    std::string body = negative ? text.substr(1) : text;
    digits.clear();
    if (body.empty()) return false;
    if (sep == '\0') {
        digits = body;
    } else {
        size_t head = body.find(sep);
        if (head == std::string::npos) head = body.size();
        if (head < 1 || head > 3) return false;
        digits = body.substr(0, head);
        for (size_t i = head; i < body.size(); i += 4) {
            if (body[i] != sep || i + 4 > body.size()) return false;
            digits += body.substr(i + 1, 3);
        }
    }
    if (digits.find_first_not_of("0123456789") != std::string::npos) return false;
    return digits.size() == 1 || digits[0] != '0';
}

// The unsigned magnitude of a digit text (at most 20 digits).
unsigned long long Magnitude(const std::string& digits) { return std::stoull(digits); }

void CheckComma64(const std::string& text, int64_t v)
{
    bool negative;
    std::string digits;
    FUZZ_CHECK(ParseGrouped(text, ',', negative, digits));
    FUZZ_CHECK(negative == (v < 0));
    unsigned long long m = v < 0 ? (unsigned long long)(-(v + 1)) + 1 : (unsigned long long)v;
    FUZZ_CHECK(Magnitude(digits) == m);
}

// A figure with a unit: "<number><unit>", the number read as a double.
double Figure(const std::string& text, const std::string& unit, char decimalSep)
{
    FUZZ_CHECK(text.size() > unit.size() && text.compare(text.size() - unit.size(), unit.size(), unit) == 0);
    std::string number = text.substr(0, text.size() - unit.size());
    FUZZ_CHECK(number.find_first_not_of(std::string("0123456789") + decimalSep) == std::string::npos);
    size_t d = number.find(decimalSep);
    if (d != std::string::npos) number[d] = '.';
    return std::strtod(number.c_str(), nullptr);
}

void CheckExtendedSize(const std::string& text, uint64_t v, double threshold, char decimalSep)
{
    const long double gib = (long double)v / 1073741824.0L;
    const double g = (double)(std::floor(gib * 100) * 0.01L);
    if (g > threshold) {
        double shown = Figure(text, " GB", decimalSep);
        FUZZ_CHECK(std::fabs(shown - g) <= std::fabs(g) * 1e-14);
        // Cut, not rounded: never above the true figure by a hundredth.
        FUZZ_CHECK(shown <= (double)gib * (1 + 1e-12));
        FUZZ_CHECK(shown >= (double)gib * (1 - 1e-12) - 0.01);
    } else {
        double shown = Figure(text, " MB", decimalSep);
        FUZZ_CHECK(shown == std::floor((double)(v / 1048576)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int32_t i32 = in.Number<int32_t>();
    const int64_t i64 = in.Number<int64_t>();
    const double d = in.Number<double>();
    char sep = (char)in.Byte();
    char decimalSep = (char)in.Byte();
    const std::string digitText = in.Text();

    // Comma texts read back to their value.
    CheckComma64(IntToCommaStr(i32), i32);
    CheckComma64(Int64ToCommaStr(i64), i64);

    // ZeroPad3: at least three digits after the sign, the value read back.
    {
        std::string t = ZeroPad3(i32);
        bool negative = !t.empty() && t[0] == '-';
        std::string digits = negative ? t.substr(1) : t;
        FUZZ_CHECK(negative == (i32 < 0));
        FUZZ_CHECK(digits.size() >= 3 && digits.find_first_not_of("0123456789") == std::string::npos);
        FUZZ_CHECK(digits.size() == 3 || digits[0] != '0');
        long long m = i32 < 0 ? -(long long)i32 : i32;
        FUZZ_CHECK(std::stoll(digits) == m);
    }

    // GroupDigits: the digits come back when the separators are taken out,
    // and every group but the first has three digits.
    {
        std::string digits;
        for (char c : digitText) digits += (char)('0' + (unsigned char)c % 10);
        if (sep < '0' || sep > '9') {
            std::string g = GroupDigits(digits, sep);
            std::string back;
            for (size_t i = 0; i < g.size(); ++i) {
                if (sep != '\0' && g[i] == sep) {
                    FUZZ_CHECK((g.size() - i - 1) % 4 == 3);
                    FUZZ_CHECK(i > 0);
                } else {
                    back += g[i];
                }
            }
            FUZZ_CHECK(back == digits);
            if (sep == '\0') FUZZ_CHECK(g == digits);
        }
    }

    // FloatToStr: the value at 15 significant digits, no trailing zeros.
    {
        if (decimalSep >= '0' && decimalSep <= '9') decimalSep = '.';
        if (decimalSep == '-' || decimalSep == 'E' || decimalSep == '\0') decimalSep = '.';
        std::string t = FloatToStr(d, decimalSep);
        if (std::isnan(d)) {
            FUZZ_CHECK(t == "NAN");
        } else if (std::isinf(d)) {
            FUZZ_CHECK(t == (d < 0 ? "-INF" : "INF"));
        } else {
            char rounded[64];
            std::snprintf(rounded, sizeof rounded, "%.14e", d);
            double expect = std::strtod(rounded, nullptr);
            std::string back = t;
            size_t s = back.find(decimalSep);
            FUZZ_CHECK(s == back.rfind(decimalSep));
            if (s != std::string::npos) {
                back[s] = '.';
                size_t e = back.find('E');
                size_t fracEnd = e == std::string::npos ? back.size() : e;
                FUZZ_CHECK(fracEnd > s + 1 && back[fracEnd - 1] != '0');
            }
            FUZZ_CHECK(back.find_first_not_of("0123456789.-E") == std::string::npos);
            FUZZ_CHECK(std::strtod(back.c_str(), nullptr) == expect);
        }
    }

    // FormatThousands: the rounded value in groups, nothing for zero.
    {
        char s = (sep >= '0' && sep <= '9') || sep == '-' ? ',' : sep;
        std::string t = FormatThousands(d, s);
        if (!std::isfinite(d) || std::round(d) == 0) {
            FUZZ_CHECK(t.empty());
        } else {
            bool negative;
            std::string digits;
            FUZZ_CHECK(ParseGrouped(t, s, negative, digits));
            FUZZ_CHECK(negative == (std::round(d) < 0));
            FUZZ_CHECK(std::strtod(digits.c_str(), nullptr) == std::fabs(std::round(d)));
        }
    }

    // Capacity texts from the extended query.
    {
        uint64_t total = (uint64_t)i64, free = in.Number<uint64_t>();
        if (in.Bool()) free = total >> (in.Byte() % 64);  // a free part of the total
        TDiskArea a = DiskAreaFromExtended(total, free, decimalSep);
        const std::string bytesUnit = " \x83\x6F\x83\x43\x83\x67";  // " バイト"
        uint64_t used = total >= free ? total - free : 0;
        for (auto [text, v] : {std::pair{a.TotalBytes, total}, {a.FreeBytes, free}, {a.UsedBytes, used}}) {
            FUZZ_CHECK(text.size() > bytesUnit.size());
            FUZZ_CHECK(text.compare(text.size() - bytesUnit.size(), bytesUnit.size(), bytesUnit) == 0);
            bool negative;
            std::string digits;
            FUZZ_CHECK(ParseGrouped(text.substr(0, text.size() - bytesUnit.size()), ',', negative, digits));
            FUZZ_CHECK(!negative && Magnitude(digits) == v);
        }
        CheckExtendedSize(a.TotalSize, total, 0, decimalSep);
        CheckExtendedSize(a.FreeSize, free, 1, decimalSep);
        CheckExtendedSize(a.UsedSize, used, 0, decimalSep);
    }

    // Capacity texts from the legacy cluster query: 64-bit products, or the
    // largest figure when even those overflow.
    {
        uint32_t spc = in.Number<uint32_t>(), bps = in.Number<uint32_t>();
        uint32_t freeClusters = in.Number<uint32_t>(), totalClusters = in.Number<uint32_t>();
        if (in.Bool()) {  // the sizes real disks have
            spc = 1u << (spc % 8);
            bps = 512u << (bps % 4);
        }
        TDiskArea a = DiskAreaFromLegacy(spc, bps, freeClusters, totalClusters);
        auto product = [&](uint32_t clusters) {
            unsigned __int128 p = (unsigned __int128)clusters * spc * bps;
            return p > UINT64_MAX ? UINT64_MAX : (uint64_t)p;
        };
        uint64_t total = product(totalClusters), free = product(freeClusters);
        uint64_t used = total >= free ? total - free : 0;
        auto check = [&](const std::string& text, const std::string& unit, uint64_t v) {
            FUZZ_CHECK(text.size() > unit.size() && text.compare(text.size() - unit.size(), unit.size(), unit) == 0);
            bool negative;
            std::string digits;
            FUZZ_CHECK(ParseGrouped(text.substr(0, text.size() - unit.size()), ',', negative, digits));
            FUZZ_CHECK(!negative && Magnitude(digits) == v);
        };
        check(a.TotalBytes, " Bytes", total);
        check(a.FreeBytes, " Bytes", free);
        check(a.UsedBytes, " Bytes", used);
        check(a.TotalSize, " MB", total / 1048576);
        check(a.FreeSize, " MB", free / 1048576);
        check(a.UsedSize, " MB", used / 1048576);
    }

    // The version record: the extended query whenever the system has it or
    // is NT 5 or later; the version codes of the known systems only.
    {
        uint32_t platform = in.Byte() % 4, major = in.Byte() % 8, minor = in.Byte();
        uint32_t build = in.Number<uint32_t>();
        bool available = in.Bool();
        TDiskQuery q = ChooseQuery(platform, major, available);
        FUZZ_CHECK((q == TDiskQuery::Extended) == (available || (platform == 2 && major >= 5)));
        int code = OsVersionCodeFor(platform, major, minor, build);
        static const int known[] = {0, 10, 21, 22, 23, 24, 31, 32, 33, 34};
        bool ok = false;
        for (int k : known) ok = ok || code == k;
        FUZZ_CHECK(ok);
        if (platform == 2 && major >= 6) FUZZ_CHECK(code == 0);
        if (platform == 1) FUZZ_CHECK(code == OsVersionCodeFor(1, major, minor, build & 0xFFFF));
    }
    return 0;
}
