#include "bench/bench_env.h"

#include <unistd.h>

#include <filesystem>

#include "bench/synthetic_log.h"

namespace fs = std::filesystem;

void EnterScratchDirectory() {
    static bool entered = false;
    if (entered) {
        return;
    }
    const fs::path dir = fs::temp_directory_path() / ("arrl-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir / "Plugins");
    fs::current_path(dir);
    entered = true;
}

void EnsureLoaded(std::size_t count, int reportMode) {
    static std::size_t loaded = 0;
    static int loadedMode = -1;
    EnterScratchDirectory();
    if (loaded != count || loadedMode != reportMode) {
        LoadIntoModule(MakeSyntheticLog(count), reportMode);
        loaded = count;
        loadedMode = reportMode;
    }
}
