#include "text/DiffLines.h"

#include <gtest/gtest.h>

#include <random>

namespace {

bool FullScan(const std::vector<int32_t>& lines, int32_t index)
{
    bool found = false;
    for (int32_t v : lines)
        if (v == index) found = true;
    return found;
}

}  // namespace

// The binary search answers as a scan of the whole array does, for every
// index in and around arrays of assorted shapes.
TEST(DiffLines, LookupAgreesWithFullScan)
{
    std::mt19937 rng(7);
    std::vector<std::vector<int32_t>> arrays = {{}, {0}, {5}, {0, 1, 2}, {1, 3, 5, 7}, {0, 99, 100, 101}};
    for (int density : {2, 10, 50}) {
        std::vector<int32_t> a;
        for (int32_t i = 0; i < 2000; ++i)
            if ((int)(rng() % 100) < density) a.push_back(i);
        arrays.push_back(a);
    }
    for (const auto& a : arrays) {
        int32_t hi = a.empty() ? 3 : a.back() + 3;
        for (int32_t i = -2; i <= hi; ++i) ASSERT_EQ(IsDiffLine(a, i), FullScan(a, i)) << "index " << i;
    }
}

// The jump rule: stays on the first page and on the last page, else passes
// through the top (row beyond the first page) or the end (row above).
TEST(DiffLines, JumpRule)
{
    struct Case {
        int32_t top, visible, count, index, expected;
    } cases[] = {
        {0, 31, 1000, 8, -1},     // first page showing, row on it
        {0, 31, 1000, 30, -1},    // last row of the first page
        {0, 31, 1000, 31, 1000 - 1},  // just beyond the first page: index == visible goes via the end
        {0, 31, 1000, 32, 0},     // beyond: via the top
        {0, 31, 1000, 500, 0},
        {100, 31, 1000, 120, 0},  // visible but not the first page: scrolls to make it the top
        {100, 31, 1000, 50, 0},   // above the view
        {100, 31, 1000, 10, 1000 - 1},  // above, within the first page's reach: via the end
        {969, 31, 1000, 990, -1},  // the end is showing, row below the top
        {969, 31, 1000, 969, 0},   // the top row itself is not below the top
        {969, 31, 1000, 100, 0},   // end showing, row above: jumps
        {0, 31, 20, 19, -1},       // short list, all on the first page
        {0, 31, 0, 0, -1},         // empty pane
    };
    for (const auto& c : cases)
        EXPECT_EQ(JumpPreTop(c.top, c.visible, c.count, c.index), c.expected)
            << "top " << c.top << " visible " << c.visible << " count " << c.count << " index " << c.index;
}

// Next and previous difference over the two arrays: the nearest position
// strictly after or before, from either array, and -1 past the ends; the
// same as a scan of every position.
TEST(DiffLines, NextAndPreviousPosition)
{
    struct Case {
        std::vector<int32_t> a, b;
        int32_t from, next, prev;
    } cases[] = {
        {{}, {}, 0, -1, -1},
        {{3, 7}, {3, 7}, 0, 3, -1},
        {{3, 7}, {3, 7}, 3, 7, -1},
        {{3, 7}, {3, 7}, 5, 7, 3},
        {{3, 7}, {3, 7}, 7, -1, 3},
        {{3, 7}, {3, 7}, 9, -1, 7},
        {{3}, {3, 10, 11}, 3, 10, -1},   // the right pane's surplus lines
        {{3, 10, 11}, {3}, 10, 11, 3},   // the left pane's
        {{2}, {5}, 3, 5, 2},
        {{0}, {0}, -1, 0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextDiffPosition(c.a, c.b, c.from), c.next) << "from " << c.from;
        EXPECT_EQ(PrevDiffPosition(c.a, c.b, c.from), c.prev) << "from " << c.from;
    }
    std::mt19937 rng(11);
    for (int round = 0; round < 200; ++round) {
        std::vector<int32_t> a, b;
        for (int32_t i = 0; i < 60; ++i) {
            if (rng() % 5 == 0) a.push_back(i);
            if (rng() % 5 == 0) b.push_back(i);
        }
        for (int32_t from = -1; from <= 61; ++from) {
            int32_t next = -1, prev = -1;
            for (int32_t i = 0; i < 60; ++i) {
                bool any = std::binary_search(a.begin(), a.end(), i) || std::binary_search(b.begin(), b.end(), i);
                if (any && i > from && next < 0) next = i;
                if (any && i < from) prev = i;
            }
            ASSERT_EQ(NextDiffPosition(a, b, from), next);
            ASSERT_EQ(PrevDiffPosition(a, b, from), prev);
        }
    }
}
