#include "engine/call_check.h"

#include "engine/log_store.h"
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

int CheckCall(const char* call, const char* mode, const char* prefix, const char* band,
              const char* refBand) {
    if (band && refBand && !SameBand(band, refBand)) {
        return kCallOtherBand;
    }
    TheDesktop().ArmRefreshTimer(kCallCheckRefreshMs);

    std::lock_guard<std::mutex> lock(g_StoreLock);
    if (g_InfoLog.HasDuplicate(HostText(call), HostText(band), HostText(mode))) {
        return kCallDuplicate;
    }
    return g_InfoLog.HasCountryInMode(HostText(mode), HostText(prefix)) ? kCallCountryWorked
                                                                        : kCallNewCountry;
}
