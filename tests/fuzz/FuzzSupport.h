// Shared helpers of the fuzz harnesses: a failed property aborts with a
// message, an input reader that takes numbers and texts from the fuzzer's
// bytes, and a reference character walk of code page 932 texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Aborts, so that libFuzzer keeps the input, when a property does not hold.
#define FUZZ_CHECK(cond)                                                              \
    do {                                                                              \
        if (!(cond)) {                                                                \
            std::fprintf(stderr, "property broken at %s:%d: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                             \
        }                                                                             \
    } while (0)

// Takes values from the front of the fuzzer's bytes; past the end every
// value is zero and every text empty.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : p_(data), n_(size) {}

    bool Empty() const { return n_ == 0; }
    uint8_t Byte()
    {
        if (n_ == 0) return 0;
        --n_;
        return *p_++;
    }
    template <class T>
    T Number()
    {
        T v{};
        size_t k = n_ < sizeof v ? n_ : sizeof v;
        std::memcpy(&v, p_, k);
        p_ += k;
        n_ -= k;
        return v;
    }
    bool Bool() { return Byte() & 1; }
    // A text of up to 255 bytes, its length first.
    std::string Text()
    {
        size_t k = Byte();
        if (k > n_) k = n_;
        std::string s(reinterpret_cast<const char*>(p_), k);
        p_ += k;
        n_ -= k;
        return s;
    }
    // Everything that is left.
    std::string Rest()
    {
        std::string s(reinterpret_cast<const char*>(p_), n_);
        p_ += n_;
        n_ = 0;
        return s;
    }

private:
    const uint8_t* p_;
    size_t n_;
};

// The reference of the harnesses for code page 932: a lead byte is
// 0x81-0x9F or 0xE0-0xFC and takes the next byte with it, whatever that byte
// is; a lead byte at the very end stands alone.
inline bool RefIsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Offsets of the first bytes of the characters of s, in order.
inline std::vector<size_t> RefCharStarts(const std::string& s)
{
    std::vector<size_t> starts;
    size_t i = 0;
    while (i < s.size()) {
        starts.push_back(i);
        if (RefIsLead((unsigned char)s[i]) && i + 1 < s.size())
            i += 2;
        else
            i += 1;
    }
    return starts;
}

// The characters of s, each one or two bytes.
inline std::vector<std::string> RefChars(const std::string& s)
{
    std::vector<std::string> chars;
    std::vector<size_t> starts = RefCharStarts(s);
    for (size_t k = 0; k < starts.size(); ++k) {
        size_t end = k + 1 < starts.size() ? starts[k + 1] : s.size();
        chars.push_back(s.substr(starts[k], end - starts[k]));
    }
    return chars;
}

// True when offset i of s is the first byte of a character (or the end).
inline bool RefIsBoundary(const std::string& s, size_t i)
{
    if (i == s.size()) return true;
    for (size_t k : RefCharStarts(s))
        if (k == i) return true;
    return false;
}

// Offset of the last character of s that is the single byte c; npos if none.
inline size_t RefLastSingle(const std::string& s, const std::string& set)
{
    size_t found = std::string::npos;
    for (size_t k : RefCharStarts(s)) {
        bool single = !(RefIsLead((unsigned char)s[k]) && k + 1 < s.size());
        if (single && set.find(s[k]) != std::string::npos) found = k;
    }
    return found;
}

// Number of characters of s that are the single byte c.
inline size_t RefCountSingle(const std::string& s, char c)
{
    size_t count = 0;
    for (const std::string& ch : RefChars(s))
        if (ch.size() == 1 && ch[0] == c) ++count;
    return count;
}
