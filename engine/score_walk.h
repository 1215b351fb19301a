#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/log_store.h"

namespace engine {

// The counts of one band's row of the summary.
struct BandCounts {
    int32_t qsos = 0;
    int32_t points = 0;
    int32_t k = 0;
    int32_t ve = 0;
};

// One scoring pass over the store, band by band, with the store lock held.
// On a band, the first QSO of a callsign in a mode counts and later ones are
// duplicates that earn nothing. A country prefix or location code is a
// multiplier the first time it is worked in its mode class, on any band; it
// is appended to that class's worked list then. The pass reads the store's
// keys, never its records' texts.
class ScoreWalk {
public:
    // The worked lists are filled from empty.
    ScoreWalk(const CInfoLog& log, CWorkedList (&dxcc)[2], CWorkedList (&codes)[2]);

    BandCounts CountBand(const std::string& band);
    int32_t DxccMults() const { return m_DxccMults; }
    int32_t CodeMults() const { return m_CodeMults; }

private:
    void Count(const KindFacts& kind, BandCounts& row);

    const CInfoLog& m_Log;
    CWorkedList (&m_DxccLists)[2];
    CWorkedList (&m_CodeLists)[2];
    std::size_t m_ModeIds;
    // Non-zero for each callsign and mode counted on the band: by call id and mode id.
    std::vector<uint8_t> m_Counted;
    bool m_CountedInUse = false;
    std::vector<bool> m_DxccWorked[2];  // by prefix id
    std::vector<bool> m_CodeWorked[2];  // by location code id
    int32_t m_DxccMults = 0;
    int32_t m_CodeMults = 0;
};

}  // namespace engine
