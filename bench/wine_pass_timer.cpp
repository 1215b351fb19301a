// The whole scoring pass through the built DLL in one Win32 process, as the
// host runs it: ResetStats0, one AddData0 per QSO, GetResult0; beside it the
// floor, a file opened for appending and closed once per QSO. Prints the
// median of several runs; it measures, it checks nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/synthetic_log.h"
#include "tests/common/module_exports.h"
#include "tests/common/scratch_dir.h"

namespace {

struct Size {
    std::size_t qsos;
    int runs;
};
const Size kSizes[] = {{1000, 15}, {10000, 7}, {100000, 3}};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The median time of work, each run after an untimed prepare.
template <typename Prepare, typename Work>
double MedianSeconds(int runs, Prepare prepare, Work work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        times.push_back(Seconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void OpenAndCloseEach(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (std::FILE* file = std::fopen("floor.txt", "ab")) {
            std::fclose(file);
        }
    }
}

// With "Start" set the pass's reset only clears it: no status windows.
void SetStartFlag() {
    WritePrivateProfileStringA("Settings", "Start", "1", "Plugins\\ARRL-10M_CW_SSB.ini");
}

}  // namespace

int main() {
    ScratchDir dir;
    std::printf("%8s %12s %12s %12s %12s %8s\n", "QSOs", "pass ms", "per QSO us", "floor ms",
                "per QSO us", "ratio");
    for (const Size& size : kSizes) {
        const std::vector<SyntheticQso> log = MakeSyntheticLog(size.qsos);
        const double pass = MedianSeconds(size.runs, SetStartFlag, [&] {
            LoadIntoModule(log);
            Module().GetResult0(nullptr);
        });
        const double floor = MedianSeconds(
            size.runs, [] {}, [&] { OpenAndCloseEach(size.qsos); });
        const double n = static_cast<double>(size.qsos);
        std::printf("%8zu %12.1f %12.2f %12.1f %12.2f %8.2f\n", size.qsos, pass * 1e3,
                    pass * 1e6 / n, floor * 1e3, floor * 1e6 / n, pass / floor);
    }
    return 0;
}
