#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/log_store.h"

// What the check beside the Cabrillo log knows of one stored QSO.
struct CheckedQso {
    std::string call;
    std::string mode;
    std::string prefix;    // the DXCC prefix as the host gave it
    std::string exchSent;  // as the host gave it
    std::string exchRcvd;  // upper case and trimmed; a region by its number as its code
    std::string multCode;  // the location code the module accepted, else empty
    bool codeError = false;
    std::optional<int64_t>
        minute;        // as the log shows it, in the host's day count; none when invalid
    std::string line;  // its line of the log, without the line end
};

// The QSO's time to the minute the log shows, counted from 1899-12-30 0000.
std::optional<int64_t> LogMinute(const COleDateTime& time);

// The facts of every stored QSO with its line of the log, in store order;
// qsoLines holds one line per record, each ending in CR LF. The store lock
// is held. None when memory runs out, which leaves the report pass as it
// would be without the check.
std::optional<std::vector<CheckedQso>> CheckedQsos(const CInfoLog& log,
                                                   const std::string& qsoLines) noexcept;
