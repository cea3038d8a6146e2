// Fuzz harness of line splitting, pane storage and text widths (text/Lines.h,
// text/PaneLines.h, text/CharWidths.h): a file's bytes are split as a
// reference split does, every byte but the line breaks is kept in order, the
// entries are label + "| " + line, and widths are sums of character widths.
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "text/CharWidths.h"
#include "text/Lines.h"
#include "text/PaneLines.h"

namespace {

// The reference split: lines and, for each, the break that ended it
// ("\r\n", "\r", "\n" or "" for a last line without one).
struct RefLine {
    std::string bytes, brk;
};

std::vector<RefLine> RefSplit(const std::string& text)
{
    std::vector<RefLine> lines;
    RefLine cur;
    bool open = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.push_back({cur.bytes, "\r\n"});
            ++i;
        } else if (c == '\r' || c == '\n') {
            lines.push_back({cur.bytes, std::string(1, c)});
        } else {
            cur.bytes += c;
            open = true;
            continue;
        }
        cur.bytes.clear();
        open = false;
    }
    if (open) lines.push_back({cur.bytes, ""});
    return lines;
}

// A width per character made up from its bytes, so that every character
// has its own width and a double-byte one is not the sum of two singles.
int RefCharWidth(const char* b, size_t n)
{
    if (n == 1) return 1 + (unsigned char)b[0] % 7;
    return 20 + ((unsigned char)b[0] * 3 + (unsigned char)b[1]) % 11;
}

int RefWidth(const std::string& s)
{
    int w = 0;
    for (const std::string& ch : RefChars(s)) w += RefCharWidth(ch.data(), ch.size());
    return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<RefLine> ref = RefSplit(text);

    // ForEachLine: the reference lines, each pointing into the text in order,
    // with exactly its break between it and the next.
    std::vector<std::string> lines;
    size_t expectedOffset = 0, k = 0;
    ForEachLine(text.data(), text.size(), [&](const char* p, size_t n) {
        FUZZ_CHECK(k < ref.size());
        FUZZ_CHECK((size_t)(p - text.data()) == expectedOffset);
        FUZZ_CHECK(std::string(p, n) == ref[k].bytes);
        FUZZ_CHECK(std::string(p, n).find_first_of("\r\n") == std::string::npos);
        expectedOffset += n + ref[k].brk.size();
        lines.emplace_back(p, n);
        ++k;
    });
    FUZZ_CHECK(k == ref.size());
    FUZZ_CHECK(expectedOffset == text.size());
    if (!text.empty() && (text.back() == '\r' || text.back() == '\n')) FUZZ_CHECK(ref.empty() || !ref.back().brk.empty());

    // The pane: the same lines, and the lines with their breaks give back
    // every byte of the file.
    TPaneLines pane;
    pane.Assign(text);
    FUZZ_CHECK(pane.Count() == (int)ref.size());
    std::string rebuilt;
    const std::string label1 = FormatLineNumber(pane.Count(), 1);
    FUZZ_CHECK(pane.LabelWidth() == (int)label1.size());
    for (int i = 0; i < pane.Count(); ++i) {
        std::string line(pane.LineData(i), pane.LineLength(i));
        FUZZ_CHECK(line == ref[i].bytes);
        rebuilt += line + ref[i].brk;
        std::string label = FormatLineNumber(pane.Count(), i + 1);
        FUZZ_CHECK((int)label.size() == pane.LabelWidth());
        FUZZ_CHECK(label.find_first_not_of(' ') == label.size() - std::to_string(i + 1).size());
        FUZZ_CHECK(label.substr(label.find_first_not_of(' ')) == std::to_string(i + 1));
        FUZZ_CHECK(pane.Text(i) == label + "| " + line);
        FUZZ_CHECK(TPaneLines::EntriesEqual(pane, pane, i));
    }
    FUZZ_CHECK(rebuilt == text);

    // A pane of the text with one byte changed differs exactly in the
    // entries the reference says differ (when the count stays the same).
    if (!text.empty()) {
        std::string other = text;
        size_t at = (unsigned char)text[0] % text.size();
        other[at] = (char)(other[at] ^ (1 + ((unsigned char)text.back() & 0x3F)));
        TPaneLines changed;
        changed.Assign(other);
        std::vector<RefLine> ref2 = RefSplit(other);
        FUZZ_CHECK(changed.Count() == (int)ref2.size());
        if (ref2.size() == ref.size()) {
            for (size_t i = 0; i < ref.size(); ++i)
                FUZZ_CHECK(TPaneLines::EntriesEqual(pane, changed, (int)i) == (ref[i].bytes == ref2[i].bytes));
        }
        // Swap exchanges the two files whole.
        pane.Swap(changed);
        FUZZ_CHECK(changed.Count() == (int)ref.size() && pane.Count() == (int)ref2.size());
        for (int i = 0; i < pane.Count(); ++i)
            FUZZ_CHECK(std::string(pane.LineData(i), pane.LineLength(i)) == ref2[i].bytes);
        pane.Swap(changed);
    }

    // Widths: a text is the sum of its characters, and the widest entry is
    // the widest whole entry text.
    static TCharWidths widths(RefCharWidth);
    FUZZ_CHECK(widths.Width(text) == RefWidth(text));
    int widest = 0;
    for (int i = 0; i < pane.Count(); ++i) widest = std::max(widest, RefWidth(pane.Text(i)));
    FUZZ_CHECK(WidestEntry(pane, widths) == widest);

    pane.Clear();
    FUZZ_CHECK(pane.Count() == 0 && pane.LabelWidth() == 0);
    return 0;
}
