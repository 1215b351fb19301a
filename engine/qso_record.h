#pragma once

#include "platform/ole_date_time.h"

namespace engine {

// The used positions of the host's QSO record, with every missing string read
// as the empty string and a missing date-time as a null one.
struct QsoRecord {
    const char* myCall = "";
    const char* call = "";
    platform::COleDateTime qsoTime{0.0, platform::COleDateTime::null};
    unsigned int freqHz = 0;
    const char* mode = "";
    const char* rstSent = "";
    const char* rstRcvd = "";
    const char* exchSent = "";
    const char* exchRcvd = "";
    const char* prefix = "";
    const char* band = "";
};

// A host string as the module reads it: null is the empty string.
inline const char* HostText(const char* text) {
    return text ? text : "";
}

}  // namespace engine
