#pragma once

#include <cstdint>
#include <vector>

#include "reports/checked_qso.h"

namespace reports {

// A log's operating time: from its first QSO to its last in time order, to
// the minute, less every gap between two QSOs of at least offMinutes; every
// QSO with a valid time counts.
struct OperatingTime {
    int64_t minutes = 0;
    // The first minute at which the time on passed the limit; a QSO at it or
    // later lies beyond the limit. INT64_MAX when the log stays within it.
    int64_t overFrom = INT64_MAX;
};

OperatingTime OperatingTimeOf(const CheckedLog& log, int64_t offMinutes, int64_t limitMinutes);

}  // namespace reports
