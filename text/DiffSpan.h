// The differing part of two lines compared at the same position: what lies
// between their longest common beginning and their longest common end, in
// whole characters of code page 932.
#pragma once

#include <cstddef>

// Byte offsets of the differing part in each of the two lines: [begin,
// aEnd) of the first, [begin, bEnd) of the second. The common beginning and
// the common end are whole characters on both sides, never overlap and
// together cover no more than the shorter line; a double-byte character is
// never split. Equal lines give an empty part (begin == aEnd == bEnd ==
// length).
struct TDiffSpan {
    size_t begin = 0;
    size_t aEnd = 0;
    size_t bEnd = 0;
};

TDiffSpan DifferingSpan(const char* a, size_t na, const char* b, size_t nb);
