// Fuzz harness of the file-name rules (text/FileNames.h): a copy's name is
// the stem, the copy mark and the extension, cut at the last real dot only;
// the free copy name is the first one not taken; acceptable names agree with
// a reference walk of the characters; and "same or below" agrees with a
// character-by-character reference and with paths built below a folder.
#include <set>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "text/FileNames.h"

namespace {

const std::string kMark = " - \x83\x52\x83\x73\x81\x5B";  // " - コピー"

std::string UpperAscii(const std::string& ch)
{
    if (ch.size() == 1 && ch[0] >= 'a' && ch[0] <= 'z') return std::string(1, (char)(ch[0] - 32));
    return ch;
}

bool RefAcceptable(const std::string& name)
{
    if (name.empty()) return false;
    std::vector<std::string> chars = RefChars(name);
    for (const std::string& ch : chars) {
        if (ch.size() == 2) continue;
        unsigned char c = (unsigned char)ch[0];
        if (RefIsLead(c)) return false;  // cut off at the end
        if (c < 0x20 || std::string("\\/:*?\"<>|").find((char)c) != std::string::npos) return false;
    }
    const std::string& last = chars.back();
    if (last == "." || last == " ") return false;
    // The part before the first dot, in capitals.
    std::string base;
    for (const std::string& ch : chars) {
        if (ch == ".") break;
        base += UpperAscii(ch);
    }
    for (const char* d : {"CON", "PRN", "AUX", "NUL"})
        if (base == d) return false;
    for (const char* d : {"COM", "LPT"})
        for (char n = '1'; n <= '9'; ++n)
            if (base == std::string(d) + n) return false;
    return true;
}

// True when every lead byte has a second byte of code page 932
// (0x40-0x7E, 0x80-0xFC) or ends the text: the texts the system gives.
bool RefWellFormed(const std::string& s)
{
    for (const std::string& ch : RefChars(s)) {
        if (ch.size() != 2) continue;
        unsigned char t = (unsigned char)ch[1];
        if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
    }
    return true;
}

// The characters of a path with a trailing backslash, as IsSameOrBelow
// compares them.
std::vector<std::string> RefFolderChars(const std::string& path)
{
    std::vector<std::string> chars = RefChars(path);
    if (chars.empty() || chars.back() != "\\") chars = RefChars(path + "\\");
    for (std::string& ch : chars) ch = UpperAscii(ch);
    return chars;
}

bool RefSameOrBelow(const std::string& folder, const std::string& path)
{
    if (folder.empty() || path.empty()) return false;
    std::vector<std::string> f = RefFolderChars(folder), p = RefFolderChars(path);
    if (p.size() < f.size()) return false;
    for (size_t i = 0; i < f.size(); ++i)
        if (f[i] != p[i]) return false;
    return true;
}

// Ends with a lead byte that stands alone: not a whole path.
bool EndsInLoneLead(const std::string& s)
{
    std::vector<size_t> starts = RefCharStarts(s);
    return !starts.empty() && starts.back() == s.size() - 1 && RefIsLead((unsigned char)s.back());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const bool isFolder = in.Bool();
    const int n = (int)(int8_t)in.Byte();
    const uint8_t takenCount = in.Byte() % 40;
    const std::string other = in.Text();
    const std::string name = in.Rest();

    // CopyName: the stem, the mark, " (n)" from 2 on, the extension; the
    // extension starts at the last real dot (not the first byte), a folder
    // has none, and the stem and extension give back the name.
    const std::string copy = CopyName(name, isFolder, n);
    if (n <= 0) {
        FUZZ_CHECK(copy == name);
    } else {
        size_t dot = RefLastSingle(name, ".");
        size_t ext = isFolder || dot == std::string::npos || dot == 0 ? name.size() : dot;
        const std::string number = n >= 2 ? " (" + std::to_string(n) + ")" : "";
        FUZZ_CHECK(copy == name.substr(0, ext) + kMark + number + name.substr(ext));
        FUZZ_CHECK(RefIsBoundary(name, ext));
        // The copy of an acceptable name is acceptable too.
        if (IsAcceptableFileName(name)) FUZZ_CHECK(IsAcceptableFileName(copy));
    }

    // FreeCopyName: the first name not taken when the first takenCount
    // copies (and another name) are taken.
    {
        std::set<std::string> taken{other};
        for (int k = 0; k < takenCount; ++k) taken.insert(CopyName(name, isFolder, k));
        int asked = 0;
        std::string free = FreeCopyName(name, isFolder, [&](const std::string& s) {
            ++asked;
            return taken.count(s) > 0;
        });
        FUZZ_CHECK(taken.count(free) == 0);
        int first = 0;
        while (taken.count(CopyName(name, isFolder, first))) ++first;
        FUZZ_CHECK(free == CopyName(name, isFolder, first));
        FUZZ_CHECK(asked == first + 1);
        // New folders: "(1)" is never used.
        std::set<std::string> folders;
        for (int k = 1; k <= takenCount; ++k) folders.insert(NewFolderName(k));
        std::string fresh = FirstFreeNewFolderName([&](const std::string& s) { return folders.count(s) > 0; });
        FUZZ_CHECK(fresh == NewFolderName(takenCount == 0 ? 1 : takenCount + 1));
        FUZZ_CHECK(fresh.find(" (1)") == std::string::npos);
    }

    // IsAcceptableFileName against the reference, for well-formed texts;
    // any name whose last byte is "." or " " is refused (after a lead byte
    // such a byte is no second byte, and the system would read a dot or a
    // space at the end).
    for (const std::string* s : {&name, &other}) {
        if (RefWellFormed(*s)) FUZZ_CHECK(IsAcceptableFileName(*s) == RefAcceptable(*s));
        if (!s->empty() && (s->back() == '.' || s->back() == ' ')) FUZZ_CHECK(!IsAcceptableFileName(*s));
    }

    // IsSameOrBelow against the reference, for whole paths.
    if (!EndsInLoneLead(other) && !EndsInLoneLead(name)) {
        FUZZ_CHECK(IsSameOrBelow(other, name) == RefSameOrBelow(other, name));
        FUZZ_CHECK(IsSameOrBelow(name, other) == RefSameOrBelow(name, other));
        if (!other.empty()) {
            // A folder holds itself and everything below it, in any case of
            // its ASCII letters, but not a sibling with a longer name.
            FUZZ_CHECK(IsSameOrBelow(other, other));
            FUZZ_CHECK(IsSameOrBelow(other, other + "\\"));
            std::string below = other;
            if (RefFolderChars(other).size() != RefChars(other).size()) below += "\\";
            below += name;
            FUZZ_CHECK(IsSameOrBelow(other, below));
            std::string flipped;
            for (const std::string& ch : RefChars(other)) {
                bool letter = ch.size() == 1 && ((ch[0] | 0x20) >= 'a' && (ch[0] | 0x20) <= 'z');
                flipped += letter ? std::string(1, (char)(ch[0] ^ 0x20)) : ch;
            }
            FUZZ_CHECK(IsSameOrBelow(other, flipped) && IsSameOrBelow(flipped, other));
            std::string trimmed = other;
            while (!trimmed.empty() && RefChars(trimmed).back() == "\\") trimmed.pop_back();
            if (!trimmed.empty() && !EndsInLoneLead(trimmed) && name.find_first_of(std::string("\\\0", 2)) == std::string::npos &&
                !name.empty() && !EndsInLoneLead(name) && !RefIsLead((unsigned char)name[0]))
                FUZZ_CHECK(!IsSameOrBelow(trimmed, trimmed + name));
        }
    }
    return 0;
}
