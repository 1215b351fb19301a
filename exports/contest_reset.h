#pragma once

#include "platform/ole_date_time.h"

// The used positions of the host's reset record.
struct ResetRecord {
    int reportMode = 0;
    const char* myCall = "";
    COleDateTime date1{0.0, COleDateTime::null};
    COleDateTime date2{0.0, COleDateTime::null};
};

// Opens a scoring pass: empties the store, rebuilds the band rows and records
// the values that title the pass. Always 1.
int ResetStats(const ResetRecord& reset);
