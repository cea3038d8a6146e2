// Items of the location box: tables of the documented shapes (roots, deep
// folders, several drives, double-byte names whose second byte is a
// backslash, the drives view, folders on no drive), the reading of an item,
// and random Shift-JIS folders checked against a reference that knows every
// separator because it built the folder itself.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/LocationText.h"

namespace {

using Strings = std::vector<std::string>;

// 表 and ソ: second byte 0x5C; 字: second byte 0x9A, itself a lead-byte value.
const std::string kHyo = "\x95\x5C";
const std::string kSo = "\x83\x5C";
const std::string kJi = "\x8E\x9A";

uint32_t Drives(const std::string& letters)
{
    uint32_t mask = 0;
    for (char c : letters) mask |= 1u << (c - 'A');
    return mask;
}

}  // namespace

TEST(LocationItems, Table)
{
    const uint32_t ACD = Drives("ACD");
    struct {
        const char* what;
        std::string folder;
        uint32_t mask;
        Strings items;
        int marked;
    } cases[] = {
        {"deep folder", "C:\\Windows\\System32\\", ACD,
         {"0:Drives", "1:A:\\", "1:C:\\", "2:C:\\Windows\\", "T3:C:\\Windows\\System32\\", "1:D:\\"}, 4},
        {"drive root", "C:\\", ACD, {"0:Drives", "1:A:\\", "T1:C:\\", "1:D:\\"}, 2},
        {"first level", "D:\\x\\", ACD, {"0:Drives", "1:A:\\", "1:C:\\", "1:D:\\", "T2:D:\\x\\"}, 4},
        {"first drive", "A:\\a\\b\\c\\", ACD,
         {"0:Drives", "1:A:\\", "2:A:\\a\\", "3:A:\\a\\b\\", "T4:A:\\a\\b\\c\\", "1:C:\\", "1:D:\\"}, 4},
        {"drives view", "Drives", ACD, {"T0:Drives", "1:A:\\", "1:C:\\", "1:D:\\"}, 0},
        {"drives view, no drives", "Drives", 0, {"T0:Drives"}, 0},
        {"lower-case letter", "c:\\x\\", ACD, {"0:Drives", "1:A:\\", "1:C:\\", "T2:c:\\x\\", "1:D:\\"}, 3},
        {"lower-case root", "d:\\", ACD, {"0:Drives", "1:A:\\", "1:C:\\", "T1:D:\\"}, 3},
        {"share", "\\\\server\\share\\", ACD, {"0:Drives", "1:A:\\", "1:C:\\", "1:D:\\"}, -1},
        {"drive not in the mask", "Q:\\x\\", ACD, {"0:Drives", "1:A:\\", "1:C:\\", "1:D:\\"}, -1},
        {"no drives at all", "C:\\x\\", 0, {"0:Drives"}, -1},
        {"only the current drive", "Z:\\x\\y\\", Drives("Z"), {"0:Drives", "1:Z:\\", "2:Z:\\x\\", "T3:Z:\\x\\y\\"}, 3},
        {"all 26 drives", "B:\\x\\", 0x03FFFFFF,
         {"0:Drives", "1:A:\\", "1:B:\\", "T2:B:\\x\\", "1:C:\\", "1:D:\\", "1:E:\\", "1:F:\\", "1:G:\\", "1:H:\\",
          "1:I:\\", "1:J:\\", "1:K:\\", "1:L:\\", "1:M:\\", "1:N:\\", "1:O:\\", "1:P:\\", "1:Q:\\", "1:R:\\",
          "1:S:\\", "1:T:\\", "1:U:\\", "1:V:\\", "1:W:\\", "1:X:\\", "1:Y:\\", "1:Z:\\"},
         3},
        {"bits above Z ignored", "C:\\", 0xFC000000 | Drives("C"), {"0:Drives", "T1:C:\\"}, 1},
        {"表 ends in 0x5C", "C:\\" + kHyo + "\\", ACD,
         {"0:Drives", "1:A:\\", "1:C:\\", "T2:C:\\" + kHyo + "\\", "1:D:\\"}, 3},
        {"表 then a sub-folder", "C:\\" + kHyo + "\\sub\\", ACD,
         {"0:Drives", "1:A:\\", "1:C:\\", "2:C:\\" + kHyo + "\\", "T3:C:\\" + kHyo + "\\sub\\", "1:D:\\"}, 4},
        {"ソ twice in a name", "C:\\a" + kSo + kSo + "\\" + kSo + "\\", Drives("C"),
         {"0:Drives", "1:C:\\", "2:C:\\a" + kSo + kSo + "\\", "T3:C:\\a" + kSo + kSo + "\\" + kSo + "\\"}, 3},
        {"字: second byte in the lead range", "C:\\" + kJi + "\\", ACD,
         {"0:Drives", "1:A:\\", "1:C:\\", "T2:C:\\" + kJi + "\\", "1:D:\\"}, 3},
        {"字 before 表", "C:\\" + kJi + kHyo + "\\x\\", Drives("C"),
         {"0:Drives", "1:C:\\", "2:C:\\" + kJi + kHyo + "\\", "T3:C:\\" + kJi + kHyo + "\\x\\"}, 3},
    };
    for (const auto& c : cases) {
        int marked = 12345;
        EXPECT_EQ(LocationItems(c.folder, c.mask, marked), c.items) << c.what;
        EXPECT_EQ(marked, c.marked) << c.what;
    }
}

TEST(ParseLocationItem, Table)
{
    struct {
        std::string item;
        bool marked;
        int level;
        std::string location;
    } cases[] = {
        {"0:Drives", false, 0, "Drives"},
        {"T0:Drives", true, 0, "Drives"},
        {"1:C:\\", false, 1, "C:\\"},
        {"T3:C:\\a\\", true, 3, "C:\\a\\"},
        {"12:C:\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\", false, 12,
         "C:\\1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\"},
        {"2:C:\\" + kHyo + "\\", false, 2, "C:\\" + kHyo + "\\"},
        // Malformed items: level 0, never a failure.
        {"", false, 0, ""},
        {"T", true, 0, ""},
        {"Drives", false, 0, ""},
        {"12", false, 0, ""},
        {":x", false, 0, "x"},
        {"T:x", true, 0, "x"},
        {"a3:x", false, 0, "x"},
        {"3a:x", false, 0, "x"},
        {"T3", true, 0, ""},
        {"99999999999:x", false, 0, "x"},  // too long to be a level
        {"123456789:x", false, 123456789, "x"},
    };
    for (const auto& c : cases) {
        LocationItem parsed = ParseLocationItem(c.item);
        SCOPED_TRACE(testing::PrintToString(c.item));
        EXPECT_EQ(parsed.marked, c.marked);
        EXPECT_EQ(parsed.level, c.level);
        EXPECT_EQ(parsed.location, c.location);
    }
}

// Random folders made of known components: the reference knows each
// folder level without scanning bytes.
namespace {

// A folder name of one to five characters, often ending in a double-byte
// character whose second byte is 0x5C, 0x7C or a lead-byte value.
std::string RandomComponent(std::mt19937& rng)
{
    static const char singles[] = "aZ9 _-.~\xB1\xDF";  // includes half-width kana
    std::string name;
    int n = 1 + rng() % 5;
    for (int i = 0; i < n; ++i) {
        if (rng() % 2) {
            name += singles[rng() % (sizeof singles - 1)];
        } else {
            unsigned char lead = rng() % 2 ? 0x81 + rng() % 31 : 0xE0 + rng() % 29;
            unsigned char trail;
            switch (rng() % 5) {
            case 0: case 1: trail = 0x5C; break;
            case 2: trail = 0x7C; break;
            case 3: trail = rng() % 2 ? 0x81 + rng() % 31 : 0xE0 + rng() % 29; break;
            default: trail = 0x40 + rng() % 0xBD; if (trail == 0x7F) trail = 0x80; break;
            }
            name += (char)lead;
            name += (char)trail;
        }
    }
    return name;
}

}  // namespace

TEST(LocationItemsProperties, RandomShiftJisFoldersAgreeWithReference)
{
    std::mt19937 rng(932);
    for (int round = 0; round < 50000; ++round) {
        uint32_t mask = rng() & 0x03FFFFFF;
        if (rng() % 4 == 0) mask = 0;
        int drive = rng() % 26;
        if (rng() % 2) mask |= 1u << drive;
        char letter = (char)((rng() % 2 ? 'A' : 'a') + drive);

        // prefixes[k] is the folder up to and including its separator k + 1.
        Strings prefixes{std::string(1, letter) + ":\\"};
        int depth = rng() % 6;
        for (int k = 0; k < depth; ++k) prefixes.push_back(prefixes.back() + RandomComponent(rng) + "\\");
        const std::string folder = prefixes.back();
        SCOPED_TRACE(testing::PrintToString(folder));

        Strings expected{"0:Drives"};
        int expectedMarked = -1;
        for (int i = 0; i < 26; ++i) {
            if (!(mask & (1u << i))) continue;
            expected.push_back(std::string("1:") + (char)('A' + i) + ":\\");
            if (i != drive) continue;
            for (int k = 1; k <= depth; ++k) expected.push_back(std::to_string(k + 1) + ":" + prefixes[k]);
            expectedMarked = (int)expected.size() - 1;
        }
        if (expectedMarked >= 0) expected[expectedMarked] = "T" + expected[expectedMarked];

        int marked = 0;
        Strings items = LocationItems(folder, mask, marked);
        ASSERT_EQ(items, expected);
        ASSERT_EQ(marked, expectedMarked);

        // Every item reads back as what it encodes; the marked one is the folder.
        for (size_t i = 0; i < items.size(); ++i) {
            LocationItem parsed = ParseLocationItem(items[i]);
            ASSERT_EQ(parsed.marked, (int)i == marked);
            std::string plain = parsed.marked ? items[i].substr(1) : items[i];
            ASSERT_EQ(std::to_string(parsed.level) + ":" + parsed.location, plain);
        }
        if (marked > 0) {
            ASSERT_EQ(ParseLocationItem(items[marked]).level, depth + 1);
            if (depth > 0) {
                ASSERT_EQ(ParseLocationItem(items[marked]).location, folder);
            }
        }
    }
}
