// Texts of the file selection dialog: tables of the documented cases and
// their boundaries, and random Shift-JIS texts checked against a reference
// that knows every character boundary because it built the text itself.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/Ansi.h"
#include "text/DialogText.h"

namespace {

using Strings = std::vector<std::string>;

// 表 and ソ: double-byte characters whose second byte is 0x5C.
const std::string kHyo = "\x95\x5C";
const std::string kSo = "\x83\x5C";

}  // namespace

TEST(SizeText, Table)
{
    const uint64_t GiB = 1ull << 30;
    struct {
        uint64_t size;
        uint32_t attributes;
        char sep;
        const char* text;
    } cases[] = {
        {0, 0x20, ',', "KB"},
        {1, 0x20, ',', "1KB"},
        {1024, 0x20, ',', "1KB"},
        {1025, 0x20, ',', "2KB"},
        {1048576, 0x20, ',', "1,024KB"},
        {1048576, 0x20, '.', "1.024KB"},
        {1048576, 0x20, '\0', "1024KB"},
        {2 * GiB, 0x20, ',', "2,097,152KB"},
        {3 * GiB, 0x20, ',', "3,145,728KB"},
        {3 * GiB + 1, 0x21, ',', "3,145,729KB"},
        {(1ull << 40) + 5, 0x80, ',', "1,073,741,825KB"},
        {(1ull << 53) + 1, 0x20, ',', "8,796,093,022,209KB"},  // not representable in a double
        {UINT64_MAX, 0x20, ',', "18,014,398,509,481,984KB"},
        {4096, 0x10, ',', ""},
        {0, 0x12, ',', ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SizeTextOf(c.size, c.attributes, c.sep), c.text) << c.size;
}

TEST(TimeText, Table)
{
    struct {
        int y, mo, d, h, mi;
        const char* text;
    } cases[] = {
        {2006, 11, 8, 13, 5, "06/11/08 13:05"},
        {2000, 1, 1, 0, 0, "00/01/01 00:00"},
        {1999, 12, 31, 23, 59, "99/12/31 23:59"},
        {2026, 7, 4, 9, 30, "26/07/04 09:30"},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeTextOf(c.y, c.mo, c.d, c.h, c.mi), c.text);
}

TEST(UpToLast, Table)
{
    struct {
        std::string text;
        char sep;
        std::string result;
    } cases[] = {
        {"C:\\Data\\Texts", '\\', "C:\\Data\\"},
        {"C:\\Data", '\\', "C:\\"},
        {"C:\\Data\\", '\\', "C:\\Data\\"},
        {"Data", '\\', ""},
        {"", '\\', ""},
        {"\\", '\\', "\\"},
        {"C:\\一覧表", '\\', "C:\\"},
        {"C:\\" + kHyo, '\\', "C:\\"},
        {kHyo + kSo, '\\', ""},
        {"C:\\" + kSo + "\\x", '\\', "C:\\" + kSo + "\\"},
        {"a/b/c", '/', "a/b/"},
        {"\\\\server\\share\\", '\\', "\\\\server\\share\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpToLast(c.text, c.sep), c.result) << testing::PrintToString(c.text);
}

TEST(History, SplitTable)
{
    struct {
        std::string data;
        Strings entries;
    } cases[] = {
        {"", {}},
        {"C:\\a.txt", {"C:\\a.txt"}},
        {"C:\\a.txt\r\n", {"C:\\a.txt"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
        {std::string("\0a\r\n", 4), {}},
        {"\r\n", {""}},
        {"C:\\" + kHyo + "\\x.txt\r\n", {"C:\\" + kHyo + "\\x.txt"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitHistory(c.data), c.entries) << testing::PrintToString(c.data);
}

TEST(History, JoinTable)
{
    struct {
        Strings entries;
        std::string data;
    } cases[] = {
        {{}, ""},
        {{"a"}, "a\r\n"},
        {{"C:\\a.txt", "D:\\b.txt"}, "C:\\a.txt\r\nD:\\b.txt\r\n"},
        {{"a", "", "b"}, "a\r\n\r\nb\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(JoinHistory(c.entries), c.data);
}

TEST(DriveCaption, TypeTextAndLetterTable)
{
    struct {
        std::string caption;
        std::string type;
        char letter;
    } cases[] = {
        {"ローカル ディスク (C:)", "ローカル ディスク", 'C'},
        {"DATA (D:)", "DATA", 'D'},
        {"3.5 インチ FD (A:)", kFloppyTypeText, 'A'},
        {"3.5\" Floppy (A:)", kFloppyTypeText, 'A'},
        {"3.5 (A:)", kFloppyTypeText, 'A'},
        {"3,5 (A:)", "3,5", 'A'},
        {" (C:)", "", 'C'},
        {"(C:)", "", 'C'},
        {"", "", '\0'},
        {"C:", "", '\0'},
        {"x (Z:)", "x", 'Z'},
        // Five characters at the end that are double-byte: never cut in half.
        // (The letter is a byte rule: meaningful only for names ending in "(C:)".)
        {"ディスク（Ｃ：）", "ディス", '\x46'},
        {"表表表表表表", "表", '\x5C'},
        {"表表表表表", "", '\x5C'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DriveTypeText(c.caption), c.type) << testing::PrintToString(c.caption);
        EXPECT_EQ(DriveLetterOfCaption(c.caption), c.letter) << testing::PrintToString(c.caption);
    }
}

// Random texts made of known characters: the reference knows where each
// character starts and which ones are separators without scanning bytes.
namespace {

struct Piece {
    std::string bytes;
    bool dbcs;
};

std::vector<Piece> RandomPieces(std::mt19937& rng)
{
    static const char singles[] = "\\\\\\::..aZ9 _-\xB1\xDF";  // includes half-width kana
    std::vector<Piece> pieces;
    int n = rng() % 12;
    for (int i = 0; i < n; ++i) {
        if (rng() % 2) {
            pieces.push_back({std::string(1, singles[rng() % (sizeof singles - 1)]), false});
        } else {
            unsigned char lead = rng() % 2 ? 0x81 + rng() % 31 : 0xE0 + rng() % 29;
            unsigned char trail;
            switch (rng() % 4) {
            case 0: trail = 0x5C; break;                // 表, ソ and friends
            case 1: trail = 0x81 + rng() % 31; break;   // a trail that is also a lead value
            default: trail = 0x40 + rng() % 0xBD; if (trail == 0x7F) trail = 0x80; break;
            }
            pieces.push_back({std::string{(char)lead, (char)trail}, true});
        }
    }
    // Sometimes a text that ends in a lone lead byte: it counts as one byte.
    if (rng() % 8 == 0) pieces.push_back({std::string(1, (char)0x88), false});
    return pieces;
}

std::string Join(const std::vector<Piece>& pieces, size_t from, size_t to)
{
    std::string s;
    for (size_t i = from; i < to; ++i) s += pieces[i].bytes;
    return s;
}

// Index of the last piece that is one of the single-byte characters in set,
// or -1.
long LastPiece(const std::vector<Piece>& pieces, const std::string& set)
{
    for (long i = (long)pieces.size() - 1; i >= 0; --i)
        if (!pieces[i].dbcs && set.find(pieces[i].bytes[0]) != std::string::npos) return i;
    return -1;
}

}  // namespace

TEST(PathTextProperties, RandomShiftJisAgreesWithReference)
{
    std::mt19937 rng(932);
    for (int round = 0; round < 200000; ++round) {
        auto pieces = RandomPieces(rng);
        std::string s = Join(pieces, 0, pieces.size());
        SCOPED_TRACE(testing::PrintToString(s));

        long sep = LastPiece(pieces, "\\");
        std::string upTo = UpToLast(s, '\\');
        ASSERT_EQ(upTo, sep < 0 ? "" : Join(pieces, 0, sep + 1));
        ASSERT_EQ(s.compare(0, upTo.size(), upTo), 0);

        long pathEnd = LastPiece(pieces, "\\:");
        std::string path = ExtractFilePath(s), name = ExtractFileName(s);
        ASSERT_EQ(path, pathEnd < 0 ? "" : Join(pieces, 0, pathEnd + 1));
        ASSERT_EQ(path + name, s);

        long dot = LastPiece(pieces, ".");
        std::string ext = dot > pathEnd ? Join(pieces, dot, pieces.size()) : "";
        ASSERT_EQ(ExtractFileExt(s), ext);

        bool trailing = !pieces.empty() && !pieces.back().dbcs && pieces.back().bytes == "\\";
        ASSERT_EQ(HasTrailingBackslash(s), trailing);
        ASSERT_EQ(IncludeTrailingBackslash(s), trailing ? s : s + "\\");

        size_t lastStart = pieces.empty() ? 0 : s.size() - pieces.back().bytes.size();
        ASSERT_EQ(LastCharPos(s), lastStart);

        std::string type = pieces.size() > 5 ? Join(pieces, 0, pieces.size() - 5) : "";
        if (type.compare(0, 3, "3.5") == 0) type = kFloppyTypeText;
        ASSERT_EQ(DriveTypeText(s), type);
    }
}

TEST(HistoryProperties, RandomEntriesSurviveJoinAndSplit)
{
    std::mt19937 rng(20);
    for (int round = 0; round < 20000; ++round) {
        Strings entries(rng() % 6);
        for (auto& e : entries) {
            int n = rng() % 8;
            for (int i = 0; i < n; ++i) {
                char c;
                do c = (char)(rng() % 256);
                while (c == '\r' || c == '\n' || c == '\0');
                e += c;
            }
        }
        ASSERT_EQ(SplitHistory(JoinHistory(entries)), entries);
    }
}

TEST(NetworkTop, OnlyTheShareOfANetworkPathHasNoFolderAbove)
{
    struct {
        std::string folder;
        bool top;
    } cases[] = {
        {"\\\\server\\share\\", true},
        {"\\\\server\\", true},
        {"\\\\server\\share\\sub\\", false},
        {"\\\\server\\share\\" + kHyo + "\\", false},
        {"\\\\" + kHyo + "\\share\\", true},  // 0x5C second byte in the server name
        {"\\\\server\\" + kSo + "\\", true},
        {"C:\\", false},
        {"C:\\Data\\", false},
        {"\\", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNetworkTop(c.folder), c.top) << c.folder;
}
