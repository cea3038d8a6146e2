// Helpers over the results of a comparison run: the ascending arrays of
// differing line indexes, and the scroll rule for jumping to a line.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// True when index occurs in lines, which is ascending (a binary search, so
// painting a row costs O(log n) however many differences there are).
inline bool IsDiffLine(const std::vector<int32_t>& lines, int32_t index)
{
    return std::binary_search(lines.begin(), lines.end(), index);
}

// Jumping to row `index` of a pane whose top row is `top`, which shows
// `visible` rows and holds `count` rows. Returns -1 when the view stays as it
// is (the row is on the first page, which is showing, or the view already
// shows the end of the list and the row lies below the top row). Otherwise
// returns the top index to pass through first, from which setting the top
// index to `index` scrolls toward it from the far side: 0 when the row lies
// beyond the first page, else the last row.
inline int32_t JumpPreTop(int32_t top, int32_t visible, int32_t count, int32_t index)
{
    if (index < top + visible && top == 0) return -1;
    if (top < index && count <= top + visible) return -1;
    return index > visible ? 0 : count - 1;
}

// Moving between differences: the first position after `from` (next) or the
// last one before it (previous) that occurs in either of two ascending
// arrays of differing positions; -1 when there is none.
inline int32_t NextDiffPosition(const std::vector<int32_t>& a, const std::vector<int32_t>& b, int32_t from)
{
    int32_t best = -1;
    for (const std::vector<int32_t>* v : {&a, &b}) {
        auto it = std::upper_bound(v->begin(), v->end(), from);
        if (it != v->end() && (best < 0 || *it < best)) best = *it;
    }
    return best;
}

inline int32_t PrevDiffPosition(const std::vector<int32_t>& a, const std::vector<int32_t>& b, int32_t from)
{
    int32_t best = -1;
    for (const std::vector<int32_t>* v : {&a, &b}) {
        auto it = std::lower_bound(v->begin(), v->end(), from);
        if (it != v->begin() && *(it - 1) > best) best = *(it - 1);
    }
    return best;
}
