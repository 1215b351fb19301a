#include "engine/score_walk.h"

#include <algorithm>

namespace engine {

ScoreWalk::ScoreWalk(const CInfoLog& log, CWorkedList (&dxcc)[2], CWorkedList (&codes)[2])
    : m_Log(log),
      m_DxccLists(dxcc),
      m_CodeLists(codes),
      m_ModeIds(log.Kinds().ModeIdBound()),
      m_Counted(log.CallIdBound() * m_ModeIds) {
    for (int modeClass = 0; modeClass < 2; ++modeClass) {
        m_DxccLists[modeClass].RemoveAll();
        m_CodeLists[modeClass].RemoveAll();
        m_DxccWorked[modeClass].assign(log.Kinds().PrefixIdBound(), false);
        m_CodeWorked[modeClass].assign(log.Kinds().CodeIdBound(), false);
    }
}

BandCounts ScoreWalk::CountBand(const std::string& band) {
    BandCounts row;
    const QsoKinds& kinds = m_Log.Kinds();
    const uint32_t bandId = kinds.BandId(band);
    if (bandId == IdTable<std::string>::kNoId) {
        return row;
    }
    if (m_CountedInUse) {
        std::fill(m_Counted.begin(), m_Counted.end(), 0);
    }
    m_CountedInUse = true;
    for (const CInfoLog::Key& key : m_Log.Keys()) {
        const KindFacts& kind = kinds.Facts(key.kind);
        if (kind.band != bandId || !kind.counts) {
            continue;
        }
        uint8_t& counted = m_Counted[key.call * m_ModeIds + kind.mode];
        if (counted == 0) {
            counted = 1;
            Count(kind, row);
        }
    }
    return row;
}

void ScoreWalk::Count(const KindFacts& kind, BandCounts& row) {
    const int modeClass = kind.modeClass;
    ++row.qsos;
    row.points += modeClass == 0 ? 4 : 2;
    row.k += kind.k ? 1 : 0;
    row.ve += kind.ve ? 1 : 0;
    if (!m_DxccWorked[modeClass][kind.prefix]) {
        m_DxccWorked[modeClass][kind.prefix] = true;
        m_DxccLists[modeClass].AddIfNew(kind.Texts().prefix);
        ++m_DxccMults;
    }
    if (kind.code != KindFacts::kNoCode && !m_CodeWorked[modeClass][kind.code]) {
        m_CodeWorked[modeClass][kind.code] = true;
        m_CodeLists[modeClass].AddIfNew(kind.Texts().code);
        ++m_CodeMults;
    }
}

}  // namespace engine
