// Fuzz harness of the path helpers (text/Ansi.h, and UpToLast and
// IsNetworkTop of text/DialogText.h): every cut falls on a character
// boundary found by a reference walk, never after a lead byte, so the 0x5C
// second byte of a double-byte character is never taken for a backslash.
#include <string>

#include "FuzzSupport.h"
#include "text/Ansi.h"
#include "text/DialogText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const std::string delimiters = in.Text();
    const char sep = (char)in.Byte();
    const std::string path = in.Rest();
    const size_t npos = std::string::npos;

    // LastCharPos: the first byte of the last character.
    std::vector<size_t> starts = RefCharStarts(path);
    FUZZ_CHECK(LastCharPos(path) == (starts.empty() ? 0 : starts.back()));

    // LastDelimiter: the last single-byte character that is a delimiter.
    size_t last = LastDelimiter(delimiters, path);
    FUZZ_CHECK(last == RefLastSingle(path, delimiters));
    FUZZ_CHECK(last == npos || (RefIsBoundary(path, last) && RefIsBoundary(path, last + 1)));

    // ExtractFilePath + ExtractFileName give back the path, cut right after
    // the last real "\" or ":"; the name holds neither.
    const std::string dir = ExtractFilePath(path), name = ExtractFileName(path);
    FUZZ_CHECK(dir + name == path);
    FUZZ_CHECK(RefIsBoundary(path, dir.size()));
    size_t cut = RefLastSingle(path, "\\:");
    FUZZ_CHECK(dir.size() == (cut == npos ? 0 : cut + 1));
    FUZZ_CHECK(RefLastSingle(name, "\\:") == npos);
    if (!dir.empty()) FUZZ_CHECK((dir.back() == '\\' || dir.back() == ':') && RefIsBoundary(path, dir.size() - 1));

    // ExtractFileExt: the name's tail from its last real dot, or "".
    const std::string ext = ExtractFileExt(path);
    size_t dot = RefLastSingle(name, ".");
    FUZZ_CHECK(ext == (dot == npos ? std::string() : name.substr(dot)));
    FUZZ_CHECK(ext.empty() || (ext[0] == '.' && RefLastSingle(ext.substr(1), ".") == npos));

    // Trailing backslash: the last character is a real backslash.
    bool trailing = !starts.empty() && starts.back() == path.size() - 1 && path.back() == '\\';
    FUZZ_CHECK(HasTrailingBackslash(path) == trailing);
    const std::string withSlash = IncludeTrailingBackslash(path);
    FUZZ_CHECK(withSlash == (trailing ? path : path + "\\"));
    // A text that does not end in a lead byte standing alone gets a real
    // trailing backslash.
    bool loneLead = !starts.empty() && starts.back() == path.size() - 1 && RefIsLead((unsigned char)path.back());
    if (!loneLead) FUZZ_CHECK(HasTrailingBackslash(withSlash));

    // UpToLast: the text through its last real sep.
    const std::string upTo = UpToLast(path, sep);
    size_t s = RefLastSingle(path, std::string(1, sep));
    FUZZ_CHECK(upTo == (s == npos ? std::string() : path.substr(0, s + 1)));

    // IsNetworkTop: "\\" at the start and fewer than four real backslashes
    // before the last character (\\server\share\ has three).
    bool top = false;
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        std::vector<std::string> chars = RefChars(path);
        size_t seps = 0;
        for (size_t k = 0; k + 1 < chars.size(); ++k)
            if (chars[k] == "\\") ++seps;
        top = seps < 4;
    }
    FUZZ_CHECK(IsNetworkTop(path) == top);
    return 0;
}
