#include "reports/score_summary.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/log_store.h"
#include "engine/score_walk.h"
#include "engine/settings.h"
#include "platform/desktop.h"
#include "platform/string_format.h"
#include "reports/cabrillo_log.h"
#include "reports/checked_qso.h"
#include "reports/log_check.h"
#include "reports/summary_texts.h"

int32_t g_ClaimedScore = 0;
std::string g_ResultText;

namespace {

void Add(BandCounts& total, const BandCounts& row) {
    total.qsos += row.qsos;
    total.points += row.points;
    total.k += row.k;
    total.ve += row.ve;
}

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

// 32-bit two's complement, as the score has always been computed.
int32_t WrappingProduct(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// Builds the summary and the worked lists; the store lock is held.
int32_t Summarise() {
    g_ResultText.clear();
    g_ResultText += StringPrintf(kSummaryTitle, g_ContestYear.c_str(), g_Contestant.c_str());
    SortBands(g_Bands);
    ScoreWalk walk(g_InfoLog, g_WorkedDxcc, g_WorkedCodes);
    BandCounts total;
    for (const std::string& band : g_Bands) {
        const BandCounts row = walk.CountBand(band);
        g_ResultText +=
            StringPrintf(kSummaryBandRow, band.c_str(), row.qsos, row.points, row.k, row.ve);
        Add(total, row);
    }
    const int32_t dxccMults = walk.DxccMults();
    const int32_t codeMults = walk.CodeMults();
    const int32_t score = WrappingProduct(total.points, dxccMults + codeMults);
    g_ResultText += StringPrintf(kSummaryTotals, total.qsos, total.points, dxccMults, codeMults,
                                 total.k, total.ve, total.points, dxccMults, codeMults, score);
    if (g_ReportMode == 0 && g_InfoLog.GetSize() > 0) {
        g_ResultText += kSummaryCredit;
    }
    return score;
}

std::string_view ModeText(std::string_view mode) {
    return mode == "CW" ? "CW" : mode == "SSB" ? "PH" : "??";
}

// Every stored QSO, refused location codes included, becomes a line of the
// log; lines of an earlier report pass never stay behind.
void CollectQsoLines() {
    constexpr std::size_t kLineLength = 80;  // enough for most lines: the text grows once
    g_CabrilloLog.m_QsoLines.clear();
    g_CabrilloLog.m_QsoLines.reserve(g_InfoLog.GetSize() * kLineLength);
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
    std::optional<std::vector<CheckedQso>> checked;
    std::string contestYear;
    {
        std::lock_guard<std::mutex> lock(g_StoreLock);
        score = Summarise();
        reportMode = g_ReportMode != 0;
        if (reportMode) {
            CollectQsoLines();
            checked = CheckedQsos(g_InfoLog, g_CabrilloLog.m_QsoLines);
            contestYear = g_ContestYear;
        }
    }
    WriteSettingInt(kClaimedKey, score);
    g_ClaimedScore = score;
    if (reportMode) {
        bool produced = false;
        const std::string message = g_CabrilloLog.WriteLog(&produced);
        if (produced) {
            WriteLogCheck(g_CabrilloLog, checked, contestYear, score);
        }
        TheDesktop().ShowInfoMessage(message, kOutputCaption);
        if (resultFlag) {
            *resultFlag = -1;
        }
    }
    return g_ResultText.c_str();
}
