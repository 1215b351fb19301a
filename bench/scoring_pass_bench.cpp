// The host's scoring passes at growing log sizes, each beside the floor it
// cannot beat on this machine: the intake opens the error list for every
// QSO, and the report pass writes the Cabrillo file and the check beside it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "bench/bench_env.h"
#include "bench/synthetic_log.h"
#include "exports/plugin_api.h"
#include "tests/common/scratch_dir.h"

using namespace platform;

namespace {

const std::vector<SyntheticQso>& LogOfSize(std::size_t count) {
    static std::map<std::size_t, std::vector<SyntheticQso>> logs;
    auto it = logs.find(count);
    if (it == logs.end()) {
        it = logs.emplace(count, MakeSyntheticLog(count)).first;
    }
    return it->second;
}

std::size_t SizeOf(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

// The sizes of log measured; wall-clock time, as the files' cost lies
// partly outside the process.
void AtLogSizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->UseRealTime();
}

// Time per QSO of the log, shown beside the time per iteration.
void CountPerQso(benchmark::State& state) {
    if (state.range(0) == 0) {
        return;
    }
    state.counters["per_qso"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// ResetStats0, one AddData0 per QSO, GetResult0.
void BM_ScoringPass(benchmark::State& state) {
    EnterScratchDirectory();
    const std::vector<SyntheticQso>& log = LogOfSize(SizeOf(state));
    for (auto _ : state) {
        LoadIntoModule(log);
        benchmark::DoNotOptimize(GetResult0(nullptr));
    }
    CountPerQso(state);
}

// A file opened for appending and closed again once per QSO, as the intake
// does with the error list for a QSO it takes without complaint.
void BM_ScoringPassFloor(benchmark::State& state) {
    EnterScratchDirectory();
    const std::size_t count = SizeOf(state);
    for (auto _ : state) {
        for (std::size_t i = 0; i < count; ++i) {
            std::FILE* file = std::fopen("floor.txt", "ab");
            benchmark::DoNotOptimize(file);
            if (file) {
                std::fclose(file);
            }
        }
    }
    CountPerQso(state);
}

// RemoveData0 of QSOs in the middle of a loaded store, as when the operator
// deletes one; each batch is logged again at the end, untimed. Time per
// removal.
void BM_RemoveData(benchmark::State& state) {
    constexpr std::size_t kBatch = 50;
    const std::vector<SyntheticQso>& log = LogOfSize(SizeOf(state));
    EnsureLoaded(log.size());
    std::size_t next = log.size() / 2;
    for (auto _ : state) {
        const std::size_t first = next;
        for (std::size_t i = 0; i < kBatch; ++i, next = (next + 1) % log.size()) {
            RemoveFromModule(log[next]);
        }
        state.PauseTiming();
        for (std::size_t i = 0; i < kBatch; ++i) {
            AddToModule(log[(first + i) % log.size()]);
        }
        state.ResumeTiming();
    }
    state.counters["per_removal"] = benchmark::Counter(
        kBatch, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_GetResult(benchmark::State& state) {
    EnsureLoaded(SizeOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetResult0(nullptr));
    }
    CountPerQso(state);
}

// GetResult0 of a report pass: the summary, a line per QSO, the log and its check.
// The header dialog of the pass counted as cancelled; the message box
// shows nothing.
void BM_ReportPass(benchmark::State& state) {
    EnsureLoaded(SizeOf(state), 1);
    int flag = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetResult0(&flag));
    }
    CountPerQso(state);
}

// The bytes of that pass's two files, the log and the check beside it,
// each written with one fwrite.
void BM_ReportPassFloor(benchmark::State& state) {
    EnsureLoaded(SizeOf(state), 1);
    int flag = 0;
    GetResult0(&flag);
    const std::pair<const char*, std::string> files[] = {
        {"floor.cbr", ReadFileBytes("W1AW.cbr")},
        {"floor.check.txt", ReadFileBytes("W1AW.check.txt")},
    };
    for (auto _ : state) {
        for (const auto& [name, bytes] : files) {
            std::FILE* file = std::fopen(name, "wb");
            if (file) {
                benchmark::DoNotOptimize(std::fwrite(bytes.data(), 1, bytes.size(), file));
                std::fclose(file);
            }
        }
    }
    CountPerQso(state);
    state.counters["file_bytes"] =
        static_cast<double>(files[0].second.size() + files[1].second.size());
}

}  // namespace

BENCHMARK(BM_ScoringPass)->Apply(AtLogSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScoringPassFloor)->Apply(AtLogSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveData)->Apply(AtLogSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetResult)->Arg(0)->Apply(AtLogSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReportPass)->Apply(AtLogSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPassFloor)->Apply(AtLogSizes)->Unit(benchmark::kMillisecond);
