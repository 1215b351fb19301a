#include "exports/contest_reset.h"

#include "engine/contest_log.h"
#include "engine/engine_texts.h"
#include "engine/settings.h"
#include "engine/settings_keys.h"
#include "platform/desktop.h"
#include "reports/pass_results.h"

int ResetStats(ContestLog& log, PassResults& results, Desktop& desktop, const ResetRecord& reset) {
    log.Reset(reset.date1.Format(kYearFormat), reset.myCall, reset.reportMode);
    if (reset.reportMode != 0) {
        results.m_CabrilloLog.EditCabrilloHeader(desktop, reset.myCall, reset.date1, reset.date2);
        WriteSetting(kStartKey, "1");
    }
    // "Start" alternates between passes: a pass that finds it set only clears
    // it; one that finds it clear starts the windows when none run. A report
    // pass never starts them, even where "Start" could not be set above.
    if (ReadSettingInt(kStartKey) != 0) {
        WriteSetting(kStartKey, "0");
    } else if (reset.reportMode == 0 && !desktop.WindowThreadRunning()) {
        desktop.StartWindowThread();
        WriteSetting(kStartKey, "1");
    }
    return 1;
}
