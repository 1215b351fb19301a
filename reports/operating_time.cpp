#include "reports/operating_time.h"

#include <algorithm>

namespace reports {

namespace {

// The minutes at which the log has QSOs, each once, in order. A contest's
// log spans two days of minutes with many QSOs to each: they are marked in a
// bit set over the span instead of sorted, unless the span is wide beyond
// measure of the log.
std::vector<int64_t> DistinctMinutes(const CheckedLog& log) {
    const std::vector<CheckedQso>& qsos = log.qsos;
    const int64_t first = log.firstMinute;
    const int64_t last = log.lastMinute;
    std::vector<int64_t> minutes;
    if (first > last) {
        return minutes;
    }
    // Valid times lie in the years 100 to 9999: the span fits easily.
    const auto span = static_cast<uint64_t>(last - first) + 1;
    if (span > 16 * (qsos.size() + 1024)) {
        for (const CheckedQso& q : qsos) {
            if (q.Timed()) {
                minutes.push_back(q.minute);
            }
        }
        std::sort(minutes.begin(), minutes.end());
        minutes.erase(std::unique(minutes.begin(), minutes.end()), minutes.end());
        return minutes;
    }
    std::vector<uint8_t> worked(span, 0);
    for (const CheckedQso& q : qsos) {
        if (q.Timed()) {
            worked[static_cast<std::size_t>(q.minute - first)] = 1;
        }
    }
    for (std::size_t i = 0; i < span; ++i) {
        if (worked[i] != 0) {
            minutes.push_back(first + static_cast<int64_t>(i));
        }
    }
    return minutes;
}

}  // namespace

OperatingTime OperatingTimeOf(const CheckedLog& log, int64_t offMinutes, int64_t limitMinutes) {
    const std::vector<int64_t> minutes = DistinctMinutes(log);
    OperatingTime time;
    for (std::size_t i = 1; i < minutes.size(); ++i) {
        const int64_t gap = minutes[i] - minutes[i - 1];
        time.minutes += gap < offMinutes ? gap : 0;
        if (time.minutes > limitMinutes && time.overFrom == INT64_MAX) {
            time.overFrom = minutes[i];
        }
    }
    return time;
}

}  // namespace reports
