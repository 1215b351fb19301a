#pragma once

#include "platform/ole_date_time.h"

namespace platform {
class Desktop;
}  // namespace platform

namespace engine {
class ContestLog;
}  // namespace engine

namespace reports {
struct PassResults;
}  // namespace reports

namespace exports {

// The used positions of the host's reset record.
struct ResetRecord {
    int reportMode = 0;
    const char* myCall = "";
    platform::COleDateTime date1{0.0, platform::COleDateTime::null};
    platform::COleDateTime date2{0.0, platform::COleDateTime::null};
};

// Opens a scoring pass on the log: empties the store, rebuilds the band rows
// and records the values that title the pass; on the desktop, a report pass
// lets the operator confirm the Cabrillo header of the results, another
// starts the status windows as the settings' "Start" says. Always 1.
int ResetStats(engine::ContestLog& log, reports::PassResults& results, platform::Desktop& desktop,
               const ResetRecord& reset);

}  // namespace exports
