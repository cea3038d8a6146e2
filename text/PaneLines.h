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
    void Swap(TPaneLines& other) noexcept;

    int Count() const { return (int)starts_.size(); }
    std::string Text(int index) const;  // the whole entry
    // The line's own bytes, without label.
    const char* LineData(int index) const { return text_.data() + starts_[index]; }
    size_t LineLength(int index) const;
    int LabelWidth() const { return labelWidth_; }

    // True when entry i of a and entry i of b are the same bytes.
    static bool EntriesEqual(const TPaneLines& a, const TPaneLines& b, int index);

    // Bytes held, for the memory figures of the benchmark.
    size_t MemoryUsed() const { return text_.capacity() + starts_.capacity() * sizeof(size_t); }

private:
    std::string text_;
    // Offset of the first byte of every line. A line ends where its line
    // break begins, which is found from the start of the next line (or the
    // end of the text): at most two bytes before it.
    std::vector<size_t> starts_;
    int labelWidth_ = 0;
};
