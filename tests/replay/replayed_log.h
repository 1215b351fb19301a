#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "host/replay/replay_log.h"
#include "tests/common/host_calls.h"
#include "tests/replay/replay_paths.h"

// The sample log and the real logs of samples/, replayed as the host replays them.

// A log of samples/ and the files of what the module must make of it.
struct ReplayedLog {
    const char* label;
    const char* name;  // below samples/, without the extension
    const char* extension;

    std::string Path(const std::string& suffix) const {
        return MachinePath(std::string(SAMPLES_DIR) + "/" + name + suffix);
    }
};

// For the test's name in CTest's list.
inline void PrintTo(const ReplayedLog& log, std::ostream* out) {
    *out << log.name << log.extension;
}

inline const ReplayedLog kReplayedLogs[] = {
    {"Sample", "arrl10m-sample", ".adi"},
    {"VE3EJ", "real-logs/VE3EJ", ".log"},
    {"HK3RD", "real-logs/HK3RD", ".log"},
};

// The log as the host replays it, with the DXCC prefixes of Debian's country file.
inline Result<ReplayLog> Replayed(const ReplayedLog& log) {
    const Result<CountryTable> countries = CountryTable::Load(MachinePath(kDebianCountryFile));
    if (!countries.Ok()) {
        return Result<ReplayLog>::Failure(countries.Error());
    }
    return LoadReplayLog(log.Path(log.extension), countries.Value(), "N0CALL");
}

inline std::string LogLabel(const ::testing::TestParamInfo<ReplayedLog>& info) {
    return info.param.label;
}

inline QsoArgs AsHostArgs(const HostQso& qso) {
    QsoArgs args;
    args.myCall = qso.myCall.c_str();
    args.call = qso.call.c_str();
    args.time = qso.qsoTime;
    args.freqHz = qso.freqHz;
    args.mode = qso.mode.c_str();
    args.rstSent = qso.rstSent.c_str();
    args.rstRcvd = qso.rstRcvd.c_str();
    args.exchSent = qso.exchSent.c_str();
    args.exchRcvd = qso.exchRcvd.c_str();
    args.prefix = qso.prefix.c_str();
    args.band = qso.band.c_str();
    return args;
}
