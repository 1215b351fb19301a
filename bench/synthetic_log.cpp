#include "bench/synthetic_log.h"

#include "tests/common/module_exports.h"

using namespace platform;

namespace {

const char* const kStates[] = {"MA", "CT", "TX", "CA", "NY", "OH", "FL", "WA", "CO", "GA"};
const char* const kDxPrefixes[] = {"DL", "G", "JA", "F", "I", "EA", "PY", "VK", "ZS", "LU"};

SyntheticQso MakeQso(std::size_t i) {
    SyntheticQso q;
    const std::size_t station = (i * 7919) % 40000;  // repeats: the same station on both modes
    q.mode = (i % 3 == 0) ? "SSB" : "CW";
    q.freqHz = 28000000u + static_cast<unsigned>(i % 1700) * 1000u;
    q.time = COleDateTime(41622.0 + static_cast<double>(i % 2880) / 1440.0);
    switch (station % 4) {
        case 0:
        case 1:
            q.prefix = "K";
            q.call = "W" + std::to_string(station);
            q.exchRcvd = kStates[station % 10];
            break;
        case 2:
            q.prefix = (station % 8 == 2) ? "VE" : "XE";
            q.call = q.prefix + std::to_string(station);
            q.exchRcvd = q.prefix == "VE" ? "ON" : "DF";
            break;
        default:
            q.prefix = kDxPrefixes[station % 10];
            q.call = q.prefix + std::to_string(station);
            q.exchRcvd = std::to_string(i % 2000 + 1);
    }
    return q;
}

}  // namespace

std::vector<SyntheticQso> MakeSyntheticLog(std::size_t count) {
    std::vector<SyntheticQso> log;
    log.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        log.push_back(MakeQso(i));
    }
    return log;
}

void LoadIntoModule(const std::vector<SyntheticQso>& log, int reportMode,
                    const ModuleExports& module) {
    COleDateTime date(41622.0);
    module.ResetStats0("", reportMode, "W1AW", &date, &date, "", "", "", "", "", "", "", "", "", "",
                       0, 0, 0, 0.0, 0.0, "", "", "");
    for (const SyntheticQso& q : log) {
        AddToModule(q, module);
    }
}

void AddToModule(const SyntheticQso& q, const ModuleExports& module) {
    COleDateTime time = q.time;
    module.AddData0("W1AW", q.call.c_str(), &time, &time, &time, &time, 0, q.freqHz, q.mode.c_str(),
                    "599", "599", "MA", q.exchRcvd.c_str(), "", "", "", "", "", "", "", "", "",
                    q.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "10m", "");
}

void RemoveFromModule(const SyntheticQso& q) {
    COleDateTime time = q.time;
    Module().RemoveData0("W1AW", q.call.c_str(), &time, &time, &time, &time, 0, q.freqHz,
                         q.mode.c_str(), "599", "599", "MA", q.exchRcvd.c_str(), "", "", "", "", "",
                         "", "", "", "", q.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "10m",
                         "");
}
