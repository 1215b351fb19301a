#include "engine/call_check.h"

#include "engine/contest_log.h"
#include "engine/qso_record.h"
#include "platform/desktop.h"
#include "platform/text.h"

namespace {

bool SameBand(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (ToLowerAscii(*a) != ToLowerAscii(*b)) {
            return false;
        }
    }
    return *a == *b;
}

}  // namespace

int CheckCall(ContestLog& log, Desktop& desktop, const char* call, const char* mode,
              const char* prefix, const char* band, const char* refBand) {
    if (band && refBand && !SameBand(band, refBand)) {
        return kCallOtherBand;
    }
    desktop.ArmRefreshTimer(kCallCheckRefreshMs);

    std::lock_guard<std::mutex> lock(log.m_StoreLock);
    if (log.m_InfoLog.HasDuplicate(HostText(call), HostText(band), HostText(mode))) {
        return kCallDuplicate;
    }
    return log.m_InfoLog.HasCountryInMode(HostText(mode), HostText(prefix)) ? kCallCountryWorked
                                                                            : kCallNewCountry;
}
