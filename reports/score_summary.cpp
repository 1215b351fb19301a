#include "reports/score_summary.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/contest_log.h"
#include "engine/score_walk.h"
#include "engine/settings.h"
#include "engine/settings_keys.h"
#include "platform/desktop.h"
#include "platform/string_format.h"
#include "reports/checked_qso.h"
#include "reports/log_check.h"
#include "reports/pass_results.h"
#include "reports/summary_texts.h"

namespace reports {

namespace {

void Add(engine::BandCounts& total, const engine::BandCounts& row) {
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

// Builds the summary and the worked lists of the log's data.
int32_t Summarise(engine::ContestLogData& log, std::string& text) {
    text.clear();
    text +=
        platform::StringPrintf(kSummaryTitle, log.m_ContestYear.c_str(), log.m_Contestant.c_str());
    SortBands(log.m_Bands);
    engine::ScoreWalk walk(log.m_InfoLog, log.m_WorkedDxcc, log.m_WorkedCodes);
    engine::BandCounts total;
    for (const std::string& band : log.m_Bands) {
        const engine::BandCounts row = walk.CountBand(band);
        text += platform::StringPrintf(kSummaryBandRow, band.c_str(), row.qsos, row.points, row.k,
                                       row.ve);
        Add(total, row);
    }
    const int32_t dxccMults = walk.DxccMults();
    const int32_t codeMults = walk.CodeMults();
    const int32_t score = WrappingProduct(total.points, dxccMults + codeMults);
    text += platform::StringPrintf(kSummaryTotals, total.qsos, total.points, dxccMults, codeMults,
                                   total.k, total.ve, total.points, dxccMults, codeMults, score);
    if (log.m_ReportMode == 0 && log.m_InfoLog.GetSize() > 0) {
        text += kSummaryCredit;
    }
    return score;
}

std::string_view ModeText(std::string_view mode) {
    return mode == "CW" ? "CW" : mode == "SSB" ? "PH" : "??";
}

// Every stored QSO, refused location codes included, becomes a line of the
// log; lines of an earlier report pass never stay behind. The same walk
// gathers the facts of the check beside the log.
std::optional<CheckedLog> CollectQsoLines(const engine::CInfoLog& store, CCabrilloLog& cabrillo) {
    constexpr std::size_t kLineLength = 80;  // enough for most lines: the text grows once
    cabrillo.m_QsoLines.clear();
    cabrillo.m_QsoLines.reserve(store.GetSize() * kLineLength);
    CheckedLogBuilder check(store);
    for (std::size_t i = 0; i < store.GetSize(); ++i) {
        const engine::CInfo& qso = store[i];
        const std::size_t lineStart = cabrillo.m_QsoLines.size();
        check.Add(
            i, lineStart,
            cabrillo.AddQsoLine(qso.m_Call, qso.m_FreqKHz, ModeText(qso.m_Mode), qso.m_Time,
                                qso.m_RstSent, qso.m_ExchSent, qso.m_RstRcvd, qso.m_ExchRcvd));
    }
    return check.Take();
}

}  // namespace

const char* GetResult(engine::ContestLog& log, PassResults& results, platform::Desktop& desktop,
                      int32_t* resultFlag) {
    int32_t score;
    bool reportMode;
    std::optional<CheckedLog> checked;
    std::string contestYear;
    {
        engine::ContestLog::Locked data(log);
        score = Summarise(*data, results.m_ResultText);
        reportMode = data->m_ReportMode != 0;
        if (reportMode) {
            checked = CollectQsoLines(data->m_InfoLog, results.m_CabrilloLog);
            contestYear = data->m_ContestYear;
        }
    }
    engine::WriteSettingInt(engine::kClaimedKey, score);
    results.m_ClaimedScore = score;
    if (reportMode) {
        bool produced = false;
        const std::string message =
            results.m_CabrilloLog.WriteLog(score, desktop.HostVersionText(), &produced);
        if (produced) {
            WriteLogCheck(results.m_CabrilloLog, checked, contestYear, score);
        }
        desktop.ShowInfoMessage(message, kOutputCaption);
        if (resultFlag) {
            *resultFlag = -1;
        }
    }
    return results.m_ResultText.c_str();
}

}  // namespace reports
