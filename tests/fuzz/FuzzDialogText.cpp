// Fuzz harness of the dialog texts of text/DialogText.h that read stored or
// system data: the file history (split then join, join then split, every
// byte kept), the size and time columns, and the type text and letter of a
// drive's shell name (cut on character boundaries only).
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "text/DialogText.h"

namespace {

// The history text as JoinHistory would write its entries: up to the first
// NUL, every line break CR LF, the last line closed by one.
std::string RefNormalHistory(const std::string& data)
{
    std::string text = data.substr(0, data.find('\0'));
    std::string out;
    bool open = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
            open = false;
        } else {
            out += c;
            open = true;
        }
    }
    if (open) out += "\r\n";
    return out;
}

// Parses a grouped number: 1 to 3 digits, then groups of sep and three
// digits (no sep at all when sep is '\0'). False when the text is not so.
bool RefParseGrouped(const std::string& text, char sep, unsigned long long& value)
{
    if (text.empty()) return false;
    std::string digits;
    if (sep == '\0') {
        digits = text;
    } else {
        size_t head = text.find(sep);
        if (head == std::string::npos) head = text.size();
        if (head < 1 || head > 3) return false;
        digits = text.substr(0, head);
        for (size_t i = head; i < text.size(); i += 4) {
            if (text[i] != sep || i + 4 > text.size()) return false;
            digits += text.substr(i + 1, 3);
        }
    }
    if (digits.size() > 20 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    if (digits.size() > 1 && digits[0] == '0') return false;
    value = std::stoull(digits);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t mode = in.Byte() % 4;

    if (mode == 0) {
        // The stored history as it comes: split, the entries hold every byte
        // up to the first NUL but the breaks, and joining writes it in the
        // program's own form, which splits into the same entries again.
        const std::string stored = in.Rest();
        std::vector<std::string> entries = SplitHistory(stored);
        std::string kept;
        for (const std::string& e : entries) {
            FUZZ_CHECK(e.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
            kept += e;
        }
        std::string expectKept;
        for (char c : stored.substr(0, stored.find('\0')))
            if (c != '\r' && c != '\n') expectKept += c;
        FUZZ_CHECK(kept == expectKept);
        const std::string joined = JoinHistory(entries);
        FUZZ_CHECK(joined == RefNormalHistory(stored));
        FUZZ_CHECK(SplitHistory(joined) == entries);
    } else if (mode == 1) {
        // Entries without breaks or NULs: join then split gives them back.
        std::vector<std::string> entries;
        while (!in.Empty()) {
            std::string e = in.Text();
            for (char& c : e)
                if (c == '\r' || c == '\n' || c == '\0') c = 'x';
            entries.push_back(e);
        }
        const std::string joined = JoinHistory(entries);
        FUZZ_CHECK(SplitHistory(joined) == entries);
        FUZZ_CHECK(JoinHistory(SplitHistory(joined)) == joined);
    } else if (mode == 2) {
        // Size and time columns.
        const uint64_t bytes = in.Number<uint64_t>();
        const uint32_t attributes = in.Number<uint32_t>();
        char sep = (char)in.Byte();
        const std::string sizeText = SizeTextOf(bytes, attributes, sep);
        if (attributes & 0x10) {
            FUZZ_CHECK(sizeText.empty());
        } else {
            unsigned long long k = bytes / 1024 + (bytes % 1024 != 0);
            FUZZ_CHECK(sizeText.size() >= 2 && sizeText.compare(sizeText.size() - 2, 2, "KB") == 0);
            std::string number = sizeText.substr(0, sizeText.size() - 2);
            if (k == 0) {
                FUZZ_CHECK(number.empty());
            } else if (sep < '0' || sep > '9') {
                unsigned long long parsed = 0;
                FUZZ_CHECK(RefParseGrouped(number, sep, parsed));
                FUZZ_CHECK(parsed == k);
            }
        }
        int year = in.Number<int32_t>(), month = in.Number<int32_t>(), day = in.Number<int32_t>();
        int hour = in.Number<int32_t>(), minute = in.Number<int32_t>();
        const std::string any = TimeTextOf(year, month, day, hour, minute);
        (void)any;
        // Calendar fields as the system gives them.
        year = 1601 + (unsigned)year % 8399;
        month = 1 + (unsigned)month % 12;
        day = 1 + (unsigned)day % 31;
        hour = (unsigned)hour % 24;
        minute = (unsigned)minute % 60;
        const std::string time = TimeTextOf(year, month, day, hour, minute);
        char expect[32];
        std::snprintf(expect, sizeof expect, "%02d/%02d/%02d %02d:%02d", year % 100, month, day, hour, minute);
        FUZZ_CHECK(time == expect);
    } else {
        // A drive's shell name: the type text is the name less its last five
        // characters, or the floppy text; the letter is its third byte from
        // the end.
        const std::string caption = in.Rest();
        const std::vector<std::string> chars = RefChars(caption);
        std::string type;
        for (size_t k = 0; k + 5 < chars.size(); ++k) type += chars[k];
        const std::string got = DriveTypeText(caption);
        if (type.compare(0, 3, "3.5") == 0)
            FUZZ_CHECK(got == kFloppyTypeText);
        else
            FUZZ_CHECK(got == type);
        FUZZ_CHECK(DriveLetterOfCaption(caption) == (caption.size() >= 3 ? caption[caption.size() - 3] : '\0'));
        // "ローカル ディスク": only a local disk asks for its sizes.
        const std::string localDisk = "\x83\x8D\x81\x5B\x83\x4A\x83\x8B \x83\x66\x83\x42\x83\x58\x83\x4E";
        bool asked = false;
        std::vector<std::string> texts = DriveColumnTexts(caption, [&](std::string& total, std::string& free) {
            asked = true;
            total = "T";
            free = "F";
        });
        FUZZ_CHECK(texts.size() == 3 && texts[0] == got);
        FUZZ_CHECK(asked == (got == localDisk));
        FUZZ_CHECK(texts[1] == (asked ? "T" : "") && texts[2] == (asked ? "F" : ""));
    }
    return 0;
}
