#include "engine/contest_log.h"

#include <algorithm>

namespace engine {

void ContestLog::Reset(const std::string& contestYear, const std::string& contestant,
                       int32_t reportMode) {
    platform::MutexLock lock(m_StoreLock);
    m_Data.m_ContestYear = contestYear;
    m_Data.m_InfoLog.RemoveAll();
    m_Data.m_Bands.clear();
    m_Data.m_Contestant = contestant;
    m_Data.m_BandRows.assign(kBandCount, std::vector<std::string>());
    for (int i = 0; i < kBandCount; ++i) {
        m_Data.m_BandRows[i] = {kBandNames[i], "-", "-", "-", "-"};
    }
    m_Data.m_ReportMode = reportMode;
}

void ContestLog::EnterBand(const std::string& band) {
    platform::MutexLock lock(m_StoreLock);
    if (std::find(m_Data.m_Bands.begin(), m_Data.m_Bands.end(), band) == m_Data.m_Bands.end()) {
        m_Data.m_Bands.push_back(band);
    }
}

}  // namespace engine
