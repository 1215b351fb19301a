#include "reports/score_summary.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "engine/log_store.h"
#include "engine/settings.h"
#include "platform/desktop.h"
#include "platform/string_format.h"
#include "reports/cabrillo_log.h"
#include "reports/summary_texts.h"

int32_t g_ClaimedScore = 0;
std::string g_ResultText;

namespace {

struct Counts {
    int32_t qsos = 0;
    int32_t points = 0;
    int32_t k = 0;
    int32_t ve = 0;

    void Add(const Counts& other) {
        qsos += other.qsos;
        points += other.points;
        k += other.k;
        ve += other.ve;
    }
};

// Bands sort largest key first, the key being the name padded with leading
// "0" to 20 characters: "160m" before "80m" before "10m".
std::string BandKey(const std::string& band) {
    constexpr std::size_t kKeyLength = 20;
    return band.size() >= kKeyLength ? band : std::string(kKeyLength - band.size(), '0') + band;
}

void SortBands(std::vector<std::string>& bands) {
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        for (std::size_t j = i + 1; j < bands.size(); ++j) {
            if (BandKey(bands[i]) < BandKey(bands[j])) {
                std::swap(bands[i], bands[j]);
            }
        }
    }
}

// The QSOs counted so far on one band: a later QSO with the same callsign
// and mode is a duplicate and earns nothing. One array, open addressing:
// every QSO of the pass is looked up once, and a node per QSO would cost an
// allocation each time.
class CountedCalls {
public:
    // Room for this many QSOs at most, the table never more than half full.
    explicit CountedCalls(std::size_t most) : m_Slots(SlotCount(most), Slot{0, nullptr}) {}

    // True the first time the QSO's callsign comes in its mode.
    bool Count(const CInfo& qso) {
        const std::size_t hash = std::hash<std::string>()(qso.m_Call);
        const std::size_t mask = m_Slots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = m_Slots[i];
            if (!slot.qso) {
                slot = {hash, &qso};
                return true;
            }
            if (slot.hash == hash && slot.qso->m_Call == qso.m_Call &&
                slot.qso->m_Mode == qso.m_Mode) {
                return false;
            }
        }
    }

private:
    struct Slot {
        std::size_t hash;
        const CInfo* qso;  // the records stay put while the lock is held
    };

    static std::size_t SlotCount(std::size_t most) {
        std::size_t n = 16;
        while (n < 2 * most) {
            n *= 2;
        }
        return n;
    }

    std::vector<Slot> m_Slots;
};

// Counts one band's QSOs and appends newly worked multipliers to the lists.
Counts CountBand(const std::string& band, int32_t& dxccMults, int32_t& codeMults) {
    Counts row;
    CountedCalls counted(g_InfoLog.GetSize());
    for (std::size_t i = 0; i < g_InfoLog.GetSize(); ++i) {
        const CInfo& qso = g_InfoLog[i];
        if (qso.m_Band != band || qso.m_Call.empty() || qso.m_CodeError != 0 ||
            !counted.Count(qso)) {
            continue;
        }
        const int modeClass = ModeClass(qso.m_Mode);
        ++row.qsos;
        if (g_WorkedDxcc[modeClass].AddIfNew(qso.m_Prefix)) {
            ++dxccMults;
        }
        if (!qso.m_MultCode.empty() && g_WorkedCodes[modeClass].AddIfNew(qso.m_MultCode)) {
            ++codeMults;
        }
        row.k += qso.m_Prefix == "K" ? 1 : 0;
        row.ve += qso.m_Prefix == "VE" ? 1 : 0;
        row.points += modeClass == 0 ? 4 : 2;
    }
    return row;
}

// 32-bit two's complement, as the score has always been computed.
int32_t WrappingProduct(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// Builds the summary and the worked lists; the store lock is held.
int32_t Summarise() {
    g_ResultText.clear();
    g_ResultText += StringPrintf(kSummaryTitle, g_ContestYear.c_str(), g_Contestant.c_str());
    SortBands(g_Bands);
    for (CWorkedList& list : g_WorkedDxcc) {
        list.RemoveAll();
    }
    for (CWorkedList& list : g_WorkedCodes) {
        list.RemoveAll();
    }
    Counts total;
    int32_t dxccMults = 0;
    int32_t codeMults = 0;
    for (const std::string& band : g_Bands) {
        const Counts row = CountBand(band, dxccMults, codeMults);
        g_ResultText +=
            StringPrintf(kSummaryBandRow, band.c_str(), row.qsos, row.points, row.k, row.ve);
        total.Add(row);
    }
    const int32_t score = WrappingProduct(total.points, dxccMults + codeMults);
    g_ResultText += StringPrintf(kSummaryTotals, total.qsos, total.points, dxccMults, codeMults,
                                 total.k, total.ve, total.points, dxccMults, codeMults, score);
    if (g_ReportMode == 0 && g_InfoLog.GetSize() > 0) {
        g_ResultText += kSummaryCredit;
    }
    return score;
}

const char* ModeText(const std::string& mode) {
    return mode == "CW" ? "CW" : mode == "SSB" ? "PH" : "??";
}

// Every stored QSO, refused location codes included, becomes a line of the
// log; lines of an earlier report pass never stay behind.
void CollectQsoLines() {
    g_CabrilloLog.m_QsoLines.clear();
    for (std::size_t i = 0; i < g_InfoLog.GetSize(); ++i) {
        const CInfo& qso = g_InfoLog[i];
        g_CabrilloLog.AddQsoLine(qso.m_Call, qso.m_FreqKHz, ModeText(qso.m_Mode), qso.m_Time,
                                 qso.m_RstSent, qso.m_ExchSent, qso.m_RstRcvd, qso.m_ExchRcvd);
    }
}

}  // namespace

const char* GetResult(int32_t* resultFlag) {
    int32_t score;
    bool reportMode;
    {
        std::lock_guard<std::mutex> lock(g_StoreLock);
        score = Summarise();
        reportMode = g_ReportMode != 0;
        if (reportMode) {
            CollectQsoLines();
        }
    }
    WriteSettingInt(kClaimedKey, score);
    g_ClaimedScore = score;
    if (reportMode) {
        TheDesktop().ShowInfoMessage(g_CabrilloLog.WriteLog(), kOutputCaption);
        if (resultFlag) {
            *resultFlag = -1;
        }
    }
    return g_ResultText.c_str();
}
