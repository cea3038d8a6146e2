#include "text/PaneLines.h"

#include <cstring>

#include "text/Lines.h"

std::string FormatLineNumber(int32_t lineCount, int32_t number)
{
    size_t width = std::to_string(lineCount).size() + 2;
    std::string digits = std::to_string(number);
    if (digits.size() >= width) return digits;
    return std::string(width - digits.size(), ' ') + digits;
}

void TPaneLines::Assign(std::string text)
{
    text_ = std::move(text);
    starts_.clear();
    // A rough guess of the line count saves most of the regrowth of the
    // offsets; it is trimmed afterwards.
    starts_.reserve(text_.size() / 32 + 1);
    const char* base = text_.data();
    ForEachLine(base, text_.size(), [&](const char* p, size_t) { starts_.push_back((size_t)(p - base)); });
    starts_.shrink_to_fit();
    labelWidth_ = (int)FormatLineNumber(Count(), 1).size();
}

void TPaneLines::Clear()
{
    text_.clear();
    text_.shrink_to_fit();
    starts_.clear();
    starts_.shrink_to_fit();
    labelWidth_ = 0;
}

void TPaneLines::Swap(TPaneLines& other) noexcept
{
    text_.swap(other.text_);
    starts_.swap(other.starts_);
    std::swap(labelWidth_, other.labelWidth_);
}

size_t TPaneLines::LineLength(int index) const
{
    size_t start = starts_[index];
    size_t next = (size_t)index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    // The bytes between the line and `next` are its line break: CR LF, CR or
    // LF, or nothing for a last line without a break. A CR or LF inside a
    // line cannot occur, since each one ends a line.
    if (next > start) {
        char last = text_[next - 1];
        if (last == '\n') {
            next -= (next - 1 > start && text_[next - 2] == '\r') ? 2 : 1;
        } else if (last == '\r') {
            next -= 1;
        }
    }
    return next - start;
}

std::string TPaneLines::Text(int index) const
{
    std::string label = FormatLineNumber(Count(), index + 1);
    size_t n = LineLength(index);
    std::string out;
    out.reserve(label.size() + 2 + n);
    out += label;
    out += "| ";
    out.append(LineData(index), n);
    return out;
}

bool TPaneLines::EntriesEqual(const TPaneLines& a, const TPaneLines& b, int index)
{
    if (a.labelWidth_ != b.labelWidth_) return false;
    size_t n = a.LineLength(index);
    return n == b.LineLength(index) && std::memcmp(a.LineData(index), b.LineData(index), n) == 0;
}
