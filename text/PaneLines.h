// The entries of a text pane, held compactly: the file's bytes once, the
// offsets of the lines, and the width of the line-number label. Entry i is
// FormatLineNumber(Count(), i + 1) + "| " + line i, formed on demand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>


// The one-based line number right-aligned with spaces to the width given by
// the line count: digits of lineCount + 2.
std::string FormatLineNumber(int32_t lineCount, int32_t number);

class TPaneLines {
public:
    // Splits text into lines (see text/Lines.h) and keeps it.
    void Assign(std::string text);
    void Clear();

    int Count() const;
    std::string Text(int index) const;  // the whole entry
    // The line's own bytes, without label.
    const char* LineData(int index) const;
    size_t LineLength(int index) const;
    int LabelWidth() const;

    // True when entry i of a and entry i of b are the same bytes.
    static bool EntriesEqual(const TPaneLines& a, const TPaneLines& b, int index);

private:
    std::string text_;
    // (layout of the line offsets: see the .cpp)
};
