#pragma once

namespace platform {
class Desktop;
}  // namespace platform

namespace engine {

class ContestLog;

// Result codes of the call check.
enum CallCheckResult {
    kCallDuplicate = 0,      // same callsign, band and mode already stored
    kCallCountryWorked = 1,  // a QSO in this mode with this country prefix is stored
    kCallNewCountry = 2,     // no QSO in this mode with this country prefix
    kCallOtherBand = 4,      // the QSO's band and the reference band differ
};

// Answers how the callsign being entered stands against the store, and
// restarts the status windows' refresh timer on the desktop. refBand may be
// null.
int CheckCall(ContestLog& log, platform::Desktop& desktop, const char* call, const char* mode,
              const char* prefix, const char* band, const char* refBand);

// The delay of the refresh after the last call check.
constexpr unsigned kCallCheckRefreshMs = 330;

}  // namespace engine
