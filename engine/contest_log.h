#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/log_store.h"
#include "platform/mutex.h"

namespace engine {

// What the contest log keeps: the QSO store, the bands, the band rows of the
// status windows, the worked lists of the last summary and the values that
// title the pass. Reached only through ContestLog::Locked.
struct ContestLogData {
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

// The contest log of the running pass. The module has one, made as it loads.
//
// Threads: the host's threads change it through the exports (a reset, an
// intake, a removal, a scoring pass); the window thread reads it for the
// refresh and the status button, and rewrites the band rows. m_StoreLock
// guards its data, which only a Locked guard hands out, for as long as it
// holds the lock: a writer holds one for each whole change, a reader for
// each read or copy, so that no reader sees half a change. Never call into
// the window system or COM while holding it: the other thread may be waiting
// for it there.
class ContestLog {
public:
    // Holds the store lock for its whole life and hands out the log's data
    // meanwhile. Keep no reference to the data past the guard.
    class SCOPED_CAPABILITY Locked {
    public:
        explicit Locked(ContestLog& log) ACQUIRE(log.m_StoreLock) : m_Log(log) {
            m_Log.m_StoreLock.Lock();
        }
        ~Locked() RELEASE() { m_Log.m_StoreLock.Unlock(); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;

        // The analysis cannot tie the guard's lock to the one it took by
        // another name; the guard's life is the proof.
        ContestLogData& operator*() const NO_THREAD_SAFETY_ANALYSIS { return m_Log.m_Data; }
        ContestLogData* operator->() const NO_THREAD_SAFETY_ANALYSIS { return &m_Log.m_Data; }

    private:
        ContestLog& m_Log;
    };

    ContestLog() = default;
    ContestLog(const ContestLog&) = delete;
    ContestLog& operator=(const ContestLog&) = delete;

    // Opens a pass: an empty store, no bands, the six band rows as the status
    // windows show them before any callsign. Takes the lock.
    void Reset(const std::string& contestYear, const std::string& contestant, int32_t reportMode)
        EXCLUDES(m_StoreLock);
    // Puts the band into m_Bands unless it is there. Takes the lock.
    void EnterBand(const std::string& band) EXCLUDES(m_StoreLock);

private:
    platform::Mutex m_StoreLock;
    ContestLogData m_Data GUARDED_BY(m_StoreLock);
};

}  // namespace engine
