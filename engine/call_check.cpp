#include "engine/call_check.h"

#include "engine/contest_log.h"
#include "engine/qso_record.h"
#include "platform/desktop.h"
#include "platform/text.h"

namespace engine {

namespace {

bool SameBand(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (platform::ToLowerAscii(*a) != platform::ToLowerAscii(*b)) {
            return false;
        }
    }
    return *a == *b;
}

}  // namespace

int CheckCall(ContestLog& log, platform::Desktop& desktop, const char* call, const char* mode,
              const char* prefix, const char* band, const char* refBand) {
    if (band && refBand && !SameBand(band, refBand)) {
        return kCallOtherBand;
    }
    desktop.ArmRefreshTimer(kCallCheckRefreshMs);

    ContestLog::Locked data(log);
    const CInfoLog& store = data->m_InfoLog;
    if (store.HasDuplicate(HostText(call), HostText(band), HostText(mode))) {
        return kCallDuplicate;
    }
    return store.HasCountryInMode(HostText(mode), HostText(prefix)) ? kCallCountryWorked
                                                                    : kCallNewCountry;
}

}  // namespace engine
