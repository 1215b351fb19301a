#include "engine/contest_log.h"

#include <algorithm>

void ContestLog::Reset(const std::string& contestYear, const std::string& contestant,
                       int32_t reportMode) {
    std::lock_guard<std::mutex> lock(m_StoreLock);
    m_ContestYear = contestYear;
    m_InfoLog.RemoveAll();
    m_Bands.clear();
    m_Contestant = contestant;
    m_BandRows.assign(kBandCount, std::vector<std::string>());
    for (int i = 0; i < kBandCount; ++i) {
        m_BandRows[i] = {kBandNames[i], "-", "-", "-", "-"};
    }
    m_ReportMode = reportMode;
}

void ContestLog::EnterBand(const std::string& band) {
    std::lock_guard<std::mutex> lock(m_StoreLock);
    if (std::find(m_Bands.begin(), m_Bands.end(), band) == m_Bands.end()) {
        m_Bands.push_back(band);
    }
}
