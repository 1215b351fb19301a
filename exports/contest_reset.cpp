#include "exports/contest_reset.h"

#include "engine/contest_log.h"
#include "engine/engine_texts.h"
#include "engine/settings.h"
#include "engine/settings_keys.h"
#include "platform/desktop.h"
#include "reports/pass_results.h"

namespace exports {

int ResetStats(engine::ContestLog& log, reports::PassResults& results, platform::Desktop& desktop,
               const ResetRecord& reset) {
    log.Reset(reset.date1.Format(engine::kYearFormat), reset.myCall, reset.reportMode);
    if (reset.reportMode != 0) {
        results.m_CabrilloLog.EditCabrilloHeader(desktop, reset.myCall, reset.date1, reset.date2);
        engine::WriteSetting(engine::kStartKey, "1");
    }
    // "Start" alternates between passes: a pass that finds it set only clears
    // it; one that finds it clear starts the windows when none run. A report
    // pass never starts them, even where "Start" could not be set above.
    if (engine::ReadSettingInt(engine::kStartKey) != 0) {
        engine::WriteSetting(engine::kStartKey, "0");
    } else if (reset.reportMode == 0 && !desktop.WindowThreadRunning()) {
        desktop.StartWindowThread();
        engine::WriteSetting(engine::kStartKey, "1");
    }
    return 1;
}

}  // namespace exports
