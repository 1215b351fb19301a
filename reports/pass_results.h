#pragma once

#include <cstdint>
#include <string>

#include "reports/cabrillo_log.h"

namespace reports {

// What the scoring passes leave for the host and the report pass. The module
// has one, made as it loads.
//
// Threads: the host's threads only. A pass's GetResult0 writes the summary
// text and the Cabrillo log's QSO lines under the contest log's lock (they
// come from the store), the claimed score after it; a report pass's
// ResetStats0 fills the Cabrillo header while the operator confirms it, with
// no lock held (the header dialog is modal). A host runs its passes one after
// another; two report passes at once on two threads are not guarded.
struct PassResults {
    // The summary text of the last GetResult0; the host reads it until the next call.
    std::string m_ResultText;
    // The score of the last summary, for the Cabrillo header.
    int32_t m_ClaimedScore = 0;
    CCabrilloLog m_CabrilloLog;
};

}  // namespace reports
