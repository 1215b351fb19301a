// The heap that the store takes per QSO: counted by operator new while a
// synthetic log of 100,000 QSOs is loaded, at its peak (growing containers
// hold old and new blocks for a moment) and once loaded, and again after
// ResetStats0, which must hand it all back.
#include <malloc.h>

#include <cstdio>

#include "bench/bench_env.h"
#include "bench/heap_meter.h"
#include "bench/synthetic_log.h"
#include "exports/plugin_api.h"

using namespace platform;

namespace {

constexpr std::size_t kQsos = 100000;

void ResetStore() {
    COleDateTime date(41622.0);
    ResetStats0("", 0, "W1AW", &date, &date, "", "", "", "", "", "", "", "", "", "", 0, 0, 0, 0.0,
                0.0, "", "", "");
}

double PerQso(std::size_t bytes) {
    return static_cast<double>(bytes) / static_cast<double>(kQsos);
}

}  // namespace

int main() {
    EnterScratchDirectory();
    const std::vector<SyntheticQso> log = MakeSyntheticLog(kQsos);
    // A first small pass builds what the module keeps for good (its code
    // table's index) and sizes the band list.
    LoadIntoModule(MakeSyntheticLog(100));
    ResetStore();
    const std::size_t before = HeapInUse();
    const std::size_t mallocBefore = mallinfo2().uordblks;
    ResetHeapPeak();
    LoadIntoModule(log);
    const std::size_t loaded = HeapInUse();
    const std::size_t peak = HeapPeak();
    const std::size_t mallocLoaded = mallinfo2().uordblks;
    ResetStore();
    const std::size_t reset = HeapInUse();

    std::printf("QSOs stored:                  %zu\n", kQsos);
    std::printf("heap per stored QSO, loaded:  %.0f bytes (malloc's own count: %.0f)\n",
                PerQso(loaded - before), PerQso(mallocLoaded - mallocBefore));
    std::printf("heap per stored QSO, at peak: %.0f bytes\n", PerQso(peak - before));
    std::printf("heap in use before loading:   %zu bytes, after ResetStats0: %zu bytes\n", before,
                reset);
    return reset == before ? 0 : 1;
}
