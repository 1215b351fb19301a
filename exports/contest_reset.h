#pragma once

#include "platform/ole_date_time.h"

class ContestLog;
class Desktop;
struct PassResults;

// The used positions of the host's reset record.
struct ResetRecord {
    int reportMode = 0;
    const char* myCall = "";
    COleDateTime date1{0.0, COleDateTime::null};
    COleDateTime date2{0.0, COleDateTime::null};
};

// Opens a scoring pass on the log: empties the store, rebuilds the band rows
// and records the values that title the pass; on the desktop, a report pass
// lets the operator confirm the Cabrillo header of the results, another
// starts the status windows as the settings' "Start" says. Always 1.
int ResetStats(ContestLog& log, PassResults& results, Desktop& desktop, const ResetRecord& reset);
