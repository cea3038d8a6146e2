// Rewrites a UTF-8 source file of text/ so that clang, which only writes
// UTF-8 literals, gives the same bytes as g++ with -fexec-charset=CP932:
// every non-ASCII character becomes octal escapes of its code page 932 bytes
// ("表" -> "\225\134"). Outside literals only comments hold such characters;
// there the escapes are harmless, and a character code page 932 lacks is
// written as "?". Usage: Cp932Source IN OUT
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Length of the UTF-8 sequence that starts with c (1 for a stray byte).
size_t SequenceLength(unsigned char c)
{
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: Cp932Source IN OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "Cp932Source: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string src = buffer.str();

    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == (iconv_t)-1) {
        std::cerr << "Cp932Source: no UTF-8 to CP932 conversion on this system\n";
        return 1;
    }
    std::string out;
    for (size_t i = 0; i < src.size();) {
        unsigned char c = (unsigned char)src[i];
        if (c < 0x80) {
            out += (char)c;
            ++i;
            continue;
        }
        size_t n = SequenceLength(c);
        if (i + n > src.size()) n = src.size() - i;
        std::string utf8 = src.substr(i, n);
        char converted[8];
        char* inPtr = &utf8[0];
        size_t inLeft = utf8.size();
        char* outPtr = converted;
        size_t outLeft = sizeof converted;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == (size_t)-1 || inLeft != 0) {
            out += '?';
        } else {
            for (char* p = converted; p < outPtr; ++p) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\%03o", (unsigned char)*p);
                out += esc;
            }
        }
        i += n;
    }
    iconv_close(cd);

    std::ofstream o(argv[2], std::ios::binary);
    o << out;
    if (!o) {
        std::cerr << "Cp932Source: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
