#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "engine/log_store.h"

// The contest log of the running pass: the QSO store, the bands, the band
// rows of the status windows, the worked lists of the last summary and the
// values that title the pass. The module has one, made as it loads.
//
// Threads: the host's threads change it through the exports (a reset, an
// intake, a removal, a scoring pass); the window thread reads it for the
// refresh and the status button, and rewrites the band rows. m_StoreLock
// guards every other member: a writer holds it for each whole change, a
// reader for each read or copy, so that no reader sees half a change. Never
// call into the window system or COM while holding it: the other thread may
// be waiting for it there.
class ContestLog {
public:
    ContestLog() = default;
    ContestLog(const ContestLog&) = delete;
    ContestLog& operator=(const ContestLog&) = delete;

    // Opens a pass: an empty store, no bands, the six band rows as the status
    // windows show them before any callsign. Takes the lock.
    void Reset(const std::string& contestYear, const std::string& contestant, int32_t reportMode);
    // Puts the band into m_Bands unless it is there. Takes the lock.
    void EnterBand(const std::string& band);

    std::mutex m_StoreLock;

    CInfoLog m_InfoLog;
    // The bands of the pass's QSOs, refused ones included, in order of
    // arrival; a summary sorts them.
    std::vector<std::string> m_Bands;
    // One row per band of kBandNames, in that order: the band's name, then
    // the CW time, SSB time and location code of the callsign last looked at.
    std::vector<std::vector<std::string>> m_BandRows;
    // The DXCC prefixes and location codes that the last summary counted,
    // by mode class.
    CWorkedList m_WorkedDxcc[2];
    CWorkedList m_WorkedCodes[2];

    int32_t m_ReportMode = 0;
    std::string m_Contestant;
    std::string m_ContestYear;
};
