// The whole scoring pass through the built DLL in one Win32 process, as the
// host runs it: ResetStats0, one AddData0 per QSO, GetResult0; beside it the
// floor, a file opened for appending and closed once per QSO. Prints the
// median of several runs; it measures, it checks nothing.
//
// Given the Unix path of another build of the DLL (wine_pass_timer.exe /x/OTHER.dll),
// it times that build's pass too, each run the two passes in turns right
// after the floor, so that both meet the same load of the machine.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/synthetic_log.h"
#include "tests/common/module_exports.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/wine_path.h"

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

template <typename Work>
double TimeOf(Work work) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

double Median(std::vector<double> times) {
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
double PassSeconds(const ModuleExports& module, const std::vector<SyntheticQso>& log) {
    WritePrivateProfileStringA("Settings", "Start", "1", "Plugins\\ARRL-10M_CW_SSB.ini");
    return TimeOf([&] {
        LoadIntoModule(log, 0, module);
        module.GetResult0(nullptr);
    });
}

bool LoadOther(const char* unixPath, ModuleExports& other) {
    HMODULE module = LoadLibraryA(WinePath(unixPath).c_str());
    std::string missing;
    if (!module || !FindPluginExports(module, other, missing)) {
        std::fprintf(stderr, "cannot load the exports of %s\n", unixPath);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    ModuleExports other{};
    const bool compare = argc > 1;
    if (compare && !LoadOther(argv[1], other)) {
        return 1;
    }
    ScratchDir dir;
    std::printf("%8s %12s %12s %12s %12s %8s", "QSOs", "pass ms", "per QSO us", "floor ms",
                "per QSO us", "ratio");
    std::printf(compare ? " %12s %8s %10s\n" : "\n", "other ms", "ratio", "pass/other");
    for (const Size& size : kSizes) {
        const std::vector<SyntheticQso> log = MakeSyntheticLog(size.qsos);
        std::vector<double> pass, floor, others;
        for (int run = 0; run < size.runs; ++run) {
            floor.push_back(TimeOf([&] { OpenAndCloseEach(size.qsos); }));
            if (compare && run % 2 == 0) {
                others.push_back(PassSeconds(other, log));
            }
            pass.push_back(PassSeconds(Module(), log));
            if (compare && run % 2 == 1) {
                others.push_back(PassSeconds(other, log));
            }
        }
        const double n = static_cast<double>(size.qsos);
        std::printf("%8zu %12.1f %12.2f %12.1f %12.2f %8.2f", size.qsos, Median(pass) * 1e3,
                    Median(pass) * 1e6 / n, Median(floor) * 1e3, Median(floor) * 1e6 / n,
                    Median(pass) / Median(floor));
        if (compare) {
            std::printf(" %12.1f %8.2f %10.3f", Median(others) * 1e3,
                        Median(others) / Median(floor), Median(pass) / Median(others));
        }
        std::printf("\n");
    }
    return 0;
}
