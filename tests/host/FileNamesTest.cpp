// Names of the file commands: copy names and the search for a free one, new
// folder names, acceptable file names and the folder containment rule, as
// tables of cases, and random Shift-JIS names checked against a reference
// that knows every character boundary because it built the name itself.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "text/FileNames.h"

namespace {

using Strings = std::vector<std::string>;

// 表 and ソ: second byte 0x5C; ー (0x81 0x5B) and − (0x81 0x7C): second
// bytes "[" and "|"; ア (0x83 0x41) and ッ (0x83 0x62): second bytes that are
// ASCII letters.
const std::string kHyo = "\x95\x5C";
const std::string kSo = "\x83\x5C";
const std::string kMinus = "\x81\x7C";
const std::string kA = "\x83\x41";
const std::string kTsu = "\x83\x62";

TNameTaken In(const std::set<std::string>& names)
{
    return [names](const std::string& s) { return names.count(s) != 0; };
}

}  // namespace

TEST(CopyName, Table)
{
    struct {
        std::string name;
        bool folder;
        int n;
        std::string copy;
    } cases[] = {
        {"a.txt", false, 0, "a.txt"},
        {"a.txt", false, 1, "a - コピー.txt"},
        {"a.txt", false, 2, "a - コピー (2).txt"},
        {"a.txt", false, 3, "a - コピー (3).txt"},
        {"a.txt", false, 12, "a - コピー (12).txt"},
        {"a", false, 1, "a - コピー"},
        {"a", false, 2, "a - コピー (2)"},
        {"a.tar.gz", false, 1, "a.tar - コピー.gz"},
        {"my.data", true, 0, "my.data"},
        {"my.data", true, 1, "my.data - コピー"},
        {"my.data", true, 2, "my.data - コピー (2)"},
        {"my.data", false, 1, "my - コピー.data"},
        {".profile", false, 1, ".profile - コピー"},
        {".profile", false, 3, ".profile - コピー (3)"},
        {".profile.bak", false, 1, ".profile - コピー.bak"},
        {"..x", false, 1, ". - コピー.x"},
        {"x.", false, 1, "x - コピー."},
        {"表.txt", false, 1, "表 - コピー.txt"},
        {kHyo + ".txt", false, 2, kHyo + " - コピー (2).txt"},
        {"表", false, 1, "表 - コピー"},
        {kSo, true, 1, kSo + " - コピー"},
        {"ソ.d", true, 2, "ソ.d - コピー (2)"},
        {"一覧表.csv", false, 1, "一覧表 - コピー.csv"},
        {"a." + kHyo, false, 1, "a - コピー." + kHyo},
        // The "." after a lead byte is its second byte, not a dot.
        {"a\x81.b", false, 1, "a\x81.b - コピー"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyName(c.name, c.folder, c.n), c.copy)
            << testing::PrintToString(c.name) << (c.folder ? " folder " : " file ") << c.n;
}

TEST(FreeCopyName, Table)
{
    const std::string copy = " - コピー";
    struct {
        std::string name;
        bool folder;
        std::set<std::string> taken;
        std::string free;
    } cases[] = {
        {"a.txt", false, {}, "a.txt"},
        {"a.txt", false, {"a.txt"}, "a" + copy + ".txt"},
        {"a.txt", false, {"a.txt", "a" + copy + ".txt"}, "a" + copy + " (2).txt"},
        {"a.txt", false, {"a.txt", "a" + copy + ".txt", "a" + copy + " (2).txt"}, "a" + copy + " (3).txt"},
        {"a.txt", false, {"a.txt", "a" + copy + ".txt", "a" + copy + " (2).txt", "a" + copy + " (3).txt"},
         "a" + copy + " (4).txt"},
        // The first free one, not the one after the highest taken.
        {"a.txt", false, {"a.txt", "a" + copy + " (2).txt"}, "a" + copy + ".txt"},
        {"a.txt", false, {"a" + copy + ".txt"}, "a.txt"},
        {"my.data", true, {"my.data", "my.data" + copy}, "my.data" + copy + " (2)"},
        {"my.data", false, {"my.data", "my" + copy + ".data"}, "my" + copy + " (2).data"},
        {"表.txt", false, {"表.txt", "表" + copy + ".txt"}, "表" + copy + " (2).txt"},
        {"ソ", true, {"ソ"}, "ソ" + copy},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FreeCopyName(c.name, c.folder, In(c.taken)), c.free) << testing::PrintToString(c.name);
}

TEST(FreeCopyName, AsksInOrderAndGivesUpWhenEverythingIsTaken)
{
    Strings asked;
    std::string free = FreeCopyName("a.txt", false, [&](const std::string& s) {
        asked.push_back(s);
        return true;
    });
    EXPECT_EQ(free, "");
    ASSERT_EQ(asked.size(), (size_t)kMaxNameTries);
    for (size_t n = 0; n < asked.size(); ++n) ASSERT_EQ(asked[n], CopyName("a.txt", false, (int)n)) << n;
}

TEST(NewFolderName, Table)
{
    struct {
        int n;
        std::string name;
    } cases[] = {
        {-1, "新しいフォルダ"},
        {0, "新しいフォルダ"},
        {1, "新しいフォルダ"},
        {2, "新しいフォルダ (2)"},
        {3, "新しいフォルダ (3)"},
        {10, "新しいフォルダ (10)"},
    };
    for (const auto& c : cases) EXPECT_EQ(NewFolderName(c.n), c.name) << c.n;
}

TEST(FirstFreeNewFolderName, Table)
{
    const std::string base = "新しいフォルダ";
    struct {
        const char* what;
        std::set<std::string> present;
        std::string free;
    } cases[] = {
        {"none present", {}, base},
        {"plain name present", {base}, base + " (2)"},
        {"plain and (2) present", {base, base + " (2)"}, base + " (3)"},
        {"only (2) present", {base + " (2)"}, base},
        {"a gap at (2)", {base, base + " (3)"}, base + " (2)"},
        {"(1) is no name of ours", {base, base + " (1)"}, base + " (2)"},
        {"other names do not count", {"新しいフォルダー", "新しいフォルダ(2)"}, base},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstFreeNewFolderName(In(c.present)), c.free) << c.what;
}

TEST(FirstFreeNewFolderName, NeverAsksForNumberOneAndGivesUp)
{
    Strings asked;
    std::string free = FirstFreeNewFolderName([&](const std::string& s) {
        asked.push_back(s);
        return true;
    });
    EXPECT_EQ(free, "");
    ASSERT_EQ(asked.size(), (size_t)kMaxNameTries);
    EXPECT_EQ(asked[0], "新しいフォルダ");
    for (size_t i = 1; i < asked.size(); ++i) ASSERT_EQ(asked[i], NewFolderName((int)i + 1)) << i;
}

TEST(IsAcceptableFileName, Table)
{
    struct {
        std::string name;
        bool ok;
    } cases[] = {
        {"a.txt", true},
        {"a", true},
        {".profile", true},
        {"a b", true},
        {"a..b", true},
        {"~$x[1]{2}#%&'+,;=@^`!", true},
        {"", false},
        {".", false},
        {"..", false},
        {"a.", false},
        {"a ", false},
        {" ", false},
        {"a\\b", false},
        {"a/b", false},
        {"a:b", false},
        {"a*", false},
        {"a?", false},
        {"a\"b", false},
        {"<a", false},
        {"a>", false},
        {"a|b", false},
        {"a\tb", false},
        {"a\x1F", false},
        {"\x01", false},
        {std::string("a\0b", 3), false},
        {"a\x7F", true},
        // Second bytes 0x5C and 0x7C are no characters of their own.
        {"表", true},
        {"表.txt", true},
        {kSo, true},
        {kSo + kHyo + ".txt", true},
        {kMinus, true},
        {"a" + kMinus + "b", true},
        {"\x81\x5B", true},
        {"表.", false},
        {"表 ", false},
        {"表|", false},
        {"表\\x", false},
        // A lead byte with no second byte.
        {"a\x81", false},
        {"\xE0", false},
        {"\x81\x81", true},
        // Half-width kana are single bytes.
        {"\xB1\xDF", true},
        // Device names, alone or before a dot, in any case.
        {"CON", false},
        {"con", false},
        {"Con.txt", false},
        {"Nul.anything", false},
        {"nul.a.b", false},
        {"PRN", false},
        {"aux.c", false},
        {"COM1", false},
        {"com9.log", false},
        {"LPT1", false},
        {"lpt9", false},
        {"COM0", true},
        {"LPT0.txt", true},
        {"COM10", true},
        {"CONSOLE", true},
        {"CON1", true},
        {"acon", true},
        {"x.con", true},
        {"NULL.txt", true},
        {"CO", true},
        {"ＣＯＮ", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsAcceptableFileName(c.name), c.ok) << testing::PrintToString(c.name);
}

TEST(IsSameOrBelow, Table)
{
    struct {
        std::string folder, path;
        bool below;
    } cases[] = {
        {"C:\\a\\", "C:\\a\\", true},
        {"C:\\a", "C:\\a\\", true},
        {"C:\\a\\", "C:\\a", true},
        {"C:\\a\\", "C:\\a\\b\\", true},
        {"C:\\a\\", "C:\\a\\b\\c\\d.txt", true},
        {"C:\\", "C:\\a\\", true},
        {"C:", "C:\\a\\", true},
        {"C:\\a\\", "C:\\ab\\", false},
        {"C:\\ab\\", "C:\\a\\", false},
        {"C:\\a\\b\\", "C:\\a\\", false},
        {"C:\\a\\", "D:\\a\\", false},
        {"C:\\a\\", "C:\\b\\a\\", false},
        {"C:\\A\\", "c:\\a\\b\\", true},
        {"c:\\x\\Folder\\", "C:\\X\\FOLDER\\sub", true},
        {"\\\\server\\share\\", "\\\\SERVER\\Share\\x\\", true},
        {"\\\\server\\share\\", "\\\\server\\shared\\", false},
        // Second bytes 0x5C: 表 is not 表 + separator.
        {"C:\\" + kHyo + "\\", "C:\\" + kHyo + "\\x\\", true},
        {"C:\\" + kHyo, "C:\\" + kHyo + "\\x\\", true},
        {"C:\\" + kHyo + "\\", "C:\\" + kHyo + kSo + "\\", false},
        {"C:\\" + kHyo, "C:\\" + kHyo + "x\\", false},
        {"C:\\" + kSo + "\\", "C:\\" + kSo + "\\", true},
        // Second bytes that are letters are not folded: ア (0x83 0x41) and
        // ッ (0x83 0x62) differ from 0x83 0x61 and 0x83 0x42.
        {"C:\\" + kA + "\\", "C:\\" + kA + "\\b\\", true},
        {"C:\\" + kA + "\\", "C:\\\x83\x61\\b\\", false},
        {"C:\\" + kTsu + "\\", "C:\\\x83\x42\\b\\", false},
        {"C:\\" + kA + "b\\", "c:\\" + kA + "B\\", true},
        {"C:\\ａ\\", "C:\\Ａ\\", false},  // full-width letters are other characters
        {"", "C:\\a\\", false},
        {"C:\\a\\", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsSameOrBelow(c.folder, c.path), c.below)
            << testing::PrintToString(c.folder) << " " << testing::PrintToString(c.path);
}

// Random names made of known characters: the reference knows where each
// character starts and which ones are dots, separators or forbidden without
// scanning bytes.
namespace {

struct Piece {
    std::string bytes;
    bool dbcs;
};

Piece RandomDoubleByte(std::mt19937& rng)
{
    unsigned char lead = rng() % 2 ? 0x81 + rng() % 31 : 0xE0 + rng() % 29;
    unsigned char trail;
    switch (rng() % 6) {
    case 0: trail = 0x5C; break;                      // 表, ソ and friends
    case 1: trail = 0x7C; break;                      // −
    case 2: trail = 0x81 + rng() % 31; break;         // a trail that is also a lead value
    case 3: trail = 0x41 + rng() % 26; break;         // a trail that is an upper-case letter
    default: trail = 0x40 + rng() % 0xBD; if (trail == 0x7F) trail = 0x80; break;
    }
    return {std::string{(char)lead, (char)trail}, true};
}

std::vector<Piece> RandomPieces(std::mt19937& rng, const std::string& singles, int maxCount)
{
    std::vector<Piece> pieces;
    int n = rng() % (maxCount + 1);
    for (int i = 0; i < n; ++i) {
        if (rng() % 2)
            pieces.push_back({std::string(1, singles[rng() % singles.size()]), false});
        else
            pieces.push_back(RandomDoubleByte(rng));
    }
    return pieces;
}

std::string Join(const std::vector<Piece>& pieces, size_t from, size_t to)
{
    std::string s;
    for (size_t i = from; i < to; ++i) s += pieces[i].bytes;
    return s;
}

bool IsSingle(const Piece& p, const std::string& set)
{
    return !p.dbcs && set.find(p.bytes[0]) != std::string::npos;
}

// The device-name rule over pieces: the characters before the first dot,
// all single bytes, are one of the reserved names.
bool IsDeviceNameByPieces(const std::vector<Piece>& pieces)
{
    std::string base;
    for (const auto& p : pieces) {
        if (IsSingle(p, ".")) break;
        if (p.dbcs) return false;
        base += (char)toupper((unsigned char)p.bytes[0]);
    }
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.substr(0, 3) == "COM" || base.substr(0, 3) == "LPT") && base[3] >= '1' &&
           base[3] <= '9';
}

}  // namespace

TEST(FileNamesProperties, CopyNamesKeepStemAndExtension)
{
    std::mt19937 rng(932);
    for (int round = 0; round < 50000; ++round) {
        auto pieces = RandomPieces(rng, "...aZ9 _-\xB1\xDF", 10);
        const std::string name = Join(pieces, 0, pieces.size());
        const bool folder = rng() % 2;
        SCOPED_TRACE(testing::PrintToString(name) + (folder ? " folder" : " file"));

        size_t extStart = pieces.size();
        if (!folder)
            for (size_t i = pieces.size(); i-- > 1;)
                if (IsSingle(pieces[i], ".")) {
                    extStart = i;
                    break;
                }
        const std::string stem = Join(pieces, 0, extStart), ext = Join(pieces, extStart, pieces.size());

        const int n = rng() % 5;
        const std::string copy = CopyName(name, folder, n);
        std::string expected = name;
        if (n == 1) expected = stem + " - コピー" + ext;
        if (n >= 2) expected = stem + " - コピー (" + std::to_string(n) + ")" + ext;
        ASSERT_EQ(copy, expected);
        ASSERT_EQ(copy.compare(0, stem.size(), stem), 0);
        ASSERT_EQ(copy.compare(copy.size() - ext.size(), ext.size(), ext), 0);
    }
}

TEST(FileNamesProperties, AcceptableNamesAgreeWithReference)
{
    std::mt19937 rng(20);
    // Forbidden characters, a control byte and the letters of device names
    // among ordinary single bytes.
    const std::string singles = std::string("\\/:*?\"<>|\x01\x1F.. ") + "cCoOnNuUlLpPrRxXaA1279_";
    const std::string forbidden = std::string("\\/:*?\"<>|\x01\x1F");
    int accepted = 0;
    for (int round = 0; round < 100000; ++round) {
        auto pieces = RandomPieces(rng, rng() % 2 ? singles : singles.substr(11), 6);
        const std::string name = Join(pieces, 0, pieces.size());
        SCOPED_TRACE(testing::PrintToString(name));

        bool ok = !pieces.empty();
        for (const auto& p : pieces)
            if (IsSingle(p, forbidden)) ok = false;
        if (!pieces.empty() && IsSingle(pieces.back(), ". ")) ok = false;
        if (IsDeviceNameByPieces(pieces)) ok = false;

        ASSERT_EQ(IsAcceptableFileName(name), ok);
        accepted += ok;
    }
    // Both answers come up often enough for the comparison to mean something.
    EXPECT_GT(accepted, 10000);
    EXPECT_LT(accepted, 90000);
}

TEST(FileNamesProperties, PathsBelowAFolderAgreeWithReference)
{
    std::mt19937 rng(5);
    const std::string singles = "aAbBzZ9 _.";
    auto component = [&]() {
        auto pieces = RandomPieces(rng, singles, 4);
        if (pieces.empty()) pieces.push_back(RandomDoubleByte(rng));
        return pieces;
    };
    // The same name with its single-byte letters in random case: the second
    // bytes of double-byte characters stay as they are.
    auto recase = [&](const std::vector<Piece>& pieces) {
        std::string s;
        for (const auto& p : pieces)
            s += p.dbcs ? p.bytes : std::string(1, (char)(rng() % 2 ? toupper(p.bytes[0]) : tolower(p.bytes[0])));
        return s;
    };
    for (int round = 0; round < 50000; ++round) {
        std::string folder = "C:\\", folderRecased = rng() % 2 ? "c:\\" : "C:\\";
        int depth = rng() % 4;
        std::vector<Piece> last;
        for (int k = 0; k < depth; ++k) {
            last = component();
            folder += Join(last, 0, last.size()) + "\\";
            folderRecased += recase(last) + "\\";
        }
        std::string below = folderRecased;
        int more = rng() % 3;
        for (int k = 0; k < more; ++k) {
            auto c = component();
            below += Join(c, 0, c.size()) + (rng() % 2 ? "\\" : "");
        }
        SCOPED_TRACE(testing::PrintToString(folder) + " " + testing::PrintToString(below));
        std::string bare = rng() % 2 ? folder.substr(0, folder.size() - 1) : folder;
        ASSERT_TRUE(IsSameOrBelow(bare, below));
        ASSERT_EQ(IsSameOrBelow(below, folder), more == 0);

        if (depth > 0) {
            // The last folder name with one more double-byte character, written
            // without a trailing backslash: a sibling folder, even when its
            // last byte is 0x5C.
            const std::string sibling = folder.substr(0, folder.size() - 1) + RandomDoubleByte(rng).bytes;
            ASSERT_FALSE(IsSameOrBelow(folder, sibling));
            ASSERT_FALSE(IsSameOrBelow(sibling, folder));
            ASSERT_TRUE(IsSameOrBelow(sibling, sibling + "\\x"));
            ASSERT_FALSE(IsSameOrBelow(sibling, sibling + "x\\"));
            // A double-byte character with a letter as second byte changed to
            // the other case is a different character.
            for (size_t i = 0; i < last.size(); ++i) {
                unsigned char t = (unsigned char)(last[i].dbcs ? last[i].bytes[1] : 0);
                if (!isalpha(t)) continue;
                auto changed = last;
                changed[i].bytes[1] = (char)(isupper(t) ? tolower(t) : toupper(t));
                std::string other = folder.substr(0, folder.size() - 1 - Join(last, 0, last.size()).size()) +
                                    Join(changed, 0, changed.size()) + "\\";
                ASSERT_FALSE(IsSameOrBelow(folder, other));
                ASSERT_FALSE(IsSameOrBelow(other, folder));
            }
        }
    }
}
