#include "exports/contest_reset.h"

#include "engine/engine_texts.h"
#include "engine/log_store.h"
#include "engine/settings.h"
#include "platform/desktop.h"
#include "reports/cabrillo_log.h"

namespace {

void ResetStore(const ResetRecord& reset) {
    std::lock_guard<std::mutex> lock(g_StoreLock);
    g_ContestYear = reset.date1.Format(kYearFormat);
    g_InfoLog.RemoveAll();
    g_Bands.clear();
    g_Contestant = reset.myCall;
    g_BandRows.assign(kBandCount, std::vector<std::string>());
    for (int i = 0; i < kBandCount; ++i) {
        g_BandRows[i] = {kBandNames[i], "-", "-", "-", "-"};
    }
    g_ReportMode = reset.reportMode;
}

}  // namespace

int ResetStats(const ResetRecord& reset) {
    ResetStore(reset);
    if (reset.reportMode != 0) {
        g_CabrilloLog.EditCabrilloHeader(reset.myCall, reset.date1, reset.date2);
        WriteSetting(kStartKey, "1");
    }
    // "Start" alternates between passes: a pass that finds it set only clears
    // it; one that finds it clear starts the windows when none run. A report
    // pass never starts them, even where "Start" could not be set above.
    if (ReadSettingInt(kStartKey) != 0) {
        WriteSetting(kStartKey, "0");
    } else if (reset.reportMode == 0 && !TheDesktop().WindowThreadRunning()) {
        TheDesktop().StartWindowThread();
        WriteSetting(kStartKey, "1");
    }
    return 1;
}
