// The benchmark program. Each measurement is a function registered with
// TAVLEN_BENCH; they run in the order of their rank and print every figure
// on a line of its own as "name: value unit".
#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct BenchRegistration {
    BenchRegistration(const char* name, int rank, std::function<void()> run);
};

#define TAVLEN_BENCH(fn, rank)                                     \
    static void fn();                                              \
    static BenchRegistration fn##Registration(#fn, rank, fn);      \
    static void fn()

void Report(const std::string& name, double value, const std::string& unit);
double Seconds();  // a monotonic clock

// A generated text file of 1,000,000 lines, about 64 MB, made on first use
// in a temporary folder that is removed when the program ends. Lines are
// mostly ASCII with some Shift-JIS text; lineSeed varies the content so that
// two files can differ at chosen lines (see MakeBigFile).
const std::string& BigFile();
// The same generator: line i differs from BigFile's line i when differs(i).
std::string MakeBigFile(const std::string& name, const std::function<bool(int)>& differs);
constexpr int kBigFileLines = 1000000;

// Memory of the process in bytes.
size_t WorkingSet();
size_t PeakWorkingSet();
size_t PrivateBytes();
void ResetPeakWorkingSet();
