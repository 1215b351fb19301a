// The live loop's data work at growing log sizes, beside the plain linear
// scans it replaces: the call check on every keystroke and the band rows of
// every refresh.
#include <benchmark/benchmark.h>

#include "bench/bench_env.h"
#include "exports/module_state.h"
#include "exports/plugin_api.h"
#include "windows/refresh_cycle.h"

using namespace platform;
using namespace engine;
using namespace windows;
using namespace exports;

namespace {

// Callsigns typed by the operator: stored ones (duplicates and not) and new ones.
const char* const kTyped[] = {"W7919", "W15838", "DL23757", "VE31676", "N0NEW", "W39595"};

// The refresh of the module's log, as the window thread runs it.
RefreshCycle& Refresh() {
    static RefreshCycle refresh(TheModule().m_Log);
    refresh.FillBandNames();
    return refresh;
}

void BM_CheckCall(benchmark::State& state) {
    EnsureLoaded(static_cast<std::size_t>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        const char* call = kTyped[i++ % 6];
        benchmark::DoNotOptimize(CheckCall0(call, 0, 0, "CW", "", "", "", "", "", "", "", "", "",
                                            "K", 0, 0, 0, 0.0, 0.0, "", "", "", "", "", "10m",
                                            "10m", nullptr, nullptr));
    }
}

// The same answer by walking the whole store, twice at worst.
int LinearCheck(const std::string& call, const std::string& mode, const std::string& prefix,
                const std::string& band) {
    ContestLog::Locked data(TheModule().m_Log);
    const CInfoLog& store = data->m_InfoLog;
    for (std::size_t i = 0; i < store.GetSize(); ++i) {
        const CInfo& q = store[i];
        if (q.m_Call == call && q.m_Band == band && q.m_Mode == mode) {
            return 0;
        }
    }
    for (std::size_t i = 0; i < store.GetSize(); ++i) {
        if (store[i].m_Mode == mode && store[i].m_Prefix == prefix) {
            return 1;
        }
    }
    return 2;
}

void BM_CheckCallLinearScan(benchmark::State& state) {
    EnsureLoaded(static_cast<std::size_t>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LinearCheck(kTyped[i++ % 6], "CW", "K", "10m"));
    }
}

// A host that answers at once, and windows that take what they are shown.
class InstantHost : public HostLink {
public:
    explicit InstantHost(const char* call) : m_Call(call) {}
    std::optional<std::string> CallBeingEntered() override { return m_Call; }
    std::optional<double> FrequencyHz() override { return 28400000.0; }
    std::optional<std::string> Mode() override { return std::string("CW"); }
    bool RunMacro(const std::string&) override { return true; }

private:
    std::string m_Call;
};

class SilentView : public StatusView {
public:
    bool HasMultiplierWindow() override { return true; }
    void SetMultiplierCaption(const std::string& caption) override {
        benchmark::DoNotOptimize(caption.data());
    }
    bool HasStatProvWindow() override { return true; }
    void SetStatProvCaption(const std::string& caption) override {
        benchmark::DoNotOptimize(caption.data());
    }
    void ShowStatProvFlags(const StatProvFlags& flags) override {
        benchmark::DoNotOptimize(flags.data());
    }
    void ShowStatusButton(const std::string&) override {}
};

// The whole data step of a refresh: rows, captions, flags, band, "<SP1>".
void BM_RefreshDataStep(benchmark::State& state) {
    EnsureLoaded(static_cast<std::size_t>(state.range(0)));
    GetResult0(nullptr);  // the worked lists the captions and flags show
    SilentView view;
    RefreshCycle& refresh = Refresh();
    std::size_t i = 0;
    for (auto _ : state) {
        InstantHost host(kTyped[i++ % 6]);
        refresh.Run(host, view);
    }
}

void BM_RefreshRows(benchmark::State& state) {
    EnsureLoaded(static_cast<std::size_t>(state.range(0)));
    RefreshCycle& refresh = Refresh();
    std::size_t i = 0;
    for (auto _ : state) {
        refresh.FillBandRowsFor(kTyped[i++ % 6]);
    }
}

// The rows by comparing every record with every band.
void LinearRows(const std::vector<std::string>& bandNames, const std::string& call) {
    ContestLog::Locked data(TheModule().m_Log);
    ContestLogData& log = *data;
    for (std::size_t i = 0; i < log.m_InfoLog.GetSize(); ++i) {
        const CInfo& q = log.m_InfoLog[i];
        for (std::size_t k = 0; k < bandNames.size(); ++k) {
            if (q.m_Band == bandNames[k] && q.m_Call == call) {
                log.m_BandRows[k][3] = q.m_MultCode;
            }
        }
    }
}

void BM_RefreshRowsLinearScan(benchmark::State& state) {
    EnsureLoaded(static_cast<std::size_t>(state.range(0)));
    const std::vector<std::string>& bandNames = Refresh().m_BandNames;
    std::size_t i = 0;
    for (auto _ : state) {
        LinearRows(bandNames, kTyped[i++ % 6]);
    }
}

}  // namespace

BENCHMARK(BM_CheckCall)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_CheckCallLinearScan)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_RefreshDataStep)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_RefreshRows)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_RefreshRowsLinearScan)->Arg(1000)->Arg(10000)->Arg(100000);
