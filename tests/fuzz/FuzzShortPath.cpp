// Fuzz harness of path shortening (text/ShortPath.h): the result is the
// first of the reference's ever shorter forms that fits (or the last form),
// each form is the kept drive, "...\" and a tail of the path that starts
// right after a real backslash, and the file name is always kept whole.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "text/Ansi.h"
#include "text/ShortPath.h"

namespace {

// The forms a path goes through, longest first, from a reference split.
std::vector<std::string> RefForms(const std::string& path)
{
    // Directory and name at the last real "\" or ":".
    size_t cut = RefLastSingle(path, "\\:");
    std::string dir = cut == std::string::npos ? "" : path.substr(0, cut + 1);
    std::string name = path.substr(dir.size());
    std::string drive;
    if (dir.size() >= 2 && dir[1] == ':' && !RefIsLead((unsigned char)dir[0])) drive = dir.substr(0, 2);
    std::string rest = dir.substr(drive.size());
    bool root = !rest.empty() && rest[0] == '\\';
    if (root) rest.erase(0, 1);
    // Folders: the characters between real backslashes.
    std::vector<std::string> folders;
    std::string current;
    for (const std::string& ch : RefChars(rest)) {
        if (ch == "\\") {
            folders.push_back(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.empty()) folders.push_back(current);

    std::vector<std::string> forms;
    auto tail = [&](size_t from) {
        std::string s;
        for (size_t i = from; i < folders.size(); ++i) s += folders[i] + "\\";
        return s + name;
    };
    const std::string head = drive + (root ? "\\" : "");
    for (size_t cutCount = 1; cutCount <= folders.size(); ++cutCount) forms.push_back(head + "...\\" + tail(cutCount));
    bool ellipsis = !folders.empty();
    if (!head.empty()) forms.push_back((ellipsis ? "...\\" : "") + tail(folders.size()));
    if (ellipsis) forms.push_back(tail(folders.size()));
    return forms;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int maxWidth = (int)(in.Byte() | (in.Byte() & 1) << 8) - 8;
    const uint8_t weights = in.Byte();
    const std::string path = in.Rest();

    // Widths: a single-byte character 1 or 2 (by its value), a double-byte
    // one 2 or 3, counted on a reference walk.
    int calls = 0;
    TTextWidth width = [&](const std::string& s) {
        ++calls;
        int w = 0;
        for (const std::string& ch : RefChars(s)) w += (int)ch.size() + (((unsigned char)ch[0] + weights) & 1);
        return w;
    };

    const std::string result = ShortenPath(path, maxWidth, width);
    const std::string name = path.substr(ExtractFilePath(path).size());
    if (width(path) <= maxWidth) {
        FUZZ_CHECK(result == path);
        return 0;
    }
    // The file name is kept whole at the end.
    FUZZ_CHECK(result.size() >= name.size() && result.compare(result.size() - name.size(), name.size(), name) == 0);
    std::vector<std::string> forms = RefForms(path);
    std::string expect = path;
    for (const std::string& f : forms) {
        expect = f;
        if (width(f) <= maxWidth) break;
    }
    FUZZ_CHECK(result == expect);
    // Only the last form may be too wide.
    if (!forms.empty() && result != forms.back()) FUZZ_CHECK(width(result) <= maxWidth);
    return 0;
}
