#pragma once

#include <string>

#include "platform/ole_date_time.h"

// One QSO as the host hands it to the module: the used positions of the QSO
// record of AddData0 and RemoveData0, and where the QSO came from.
struct HostQso {
    int line = 0;  // the line of the log file on which its record starts
    std::string myCall;
    std::string call;
    platform::COleDateTime qsoTime;
    unsigned int freqHz = 0;
    std::string mode;
    std::string rstSent;
    std::string rstRcvd;
    std::string exchSent;
    std::string exchRcvd;
    std::string prefix;
    std::string band;
};
