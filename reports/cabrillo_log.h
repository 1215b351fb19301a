#pragma once

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop.h"
#include "platform/ole_date_time.h"
#include "platform/text.h"
#include "reports/cabrillo_header.h"

namespace reports {

// A day of the host's count with its calendar date: a log's QSO lines mostly
// share their day with the line before, which need not work it out again.
struct LineDay {
    long long day = LLONG_MIN;  // none yet
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
};

// What a QSO line shows of its QSO: the minute of its date and time,
// counted from 1899-12-30 0000 (kNoMinute when it shows no valid one), and
// whether a field held a blank or a control character.
struct QsoLineFacts {
    static constexpr int64_t kNoMinute = INT64_MIN;

    int64_t minute;
    bool fieldWithBlank;
};

// The Cabrillo log of a report pass: the header values that the operator
// confirms, and the QSO lines written behind them.
class CCabrilloLog : public CabrilloHeader {
public:
    // Fills the header from the callsign, the shared settings file and the
    // constants, and lets the operator confirm it in the desktop's header
    // dialog. 1 when confirmed (values then saved to the shared file), else 0.
    int EditCabrilloHeader(platform::Desktop& desktop, const std::string& myCall,
                           const platform::COleDateTime& date1,
                           const platform::COleDateTime& date2);

    // Formats one QSO as a line of the log and appends it to the lines kept;
    // tells what the line shows that the check beside the log reads again.
    QsoLineFacts AddQsoLine(std::string_view call, int32_t freqKHz, std::string_view modeText,
                            const platform::COleDateTime& qsoTime, std::string_view rstSent,
                            std::string_view exchSent, std::string_view rstRcvd,
                            std::string_view exchRcvd);

    // Writes the file with this claimed score and the host program's version
    // (none when unknown), and returns the message for the operator; tells
    // whether the file is in place when given where.
    std::string WriteLog(int32_t claimedScore, const std::optional<std::string>& hostVersion,
                         bool* produced = nullptr) const;

    // The text with every occurrence of search replaced; the replacement is
    // never searched again.
    static std::string ReplaceAll(const std::string& text, const std::string& search,
                                  const std::string& replacement) {
        return platform::ReplaceAll(text, search, replacement);
    }

    std::string m_Folder;  // prefix of the settings file's and the log's paths; empty
    std::string m_FileName;
    std::string m_QsoLines;  // each ending in CR LF

private:
    void PrepareSoapBoxForLog();

    LineDay m_LineDay;  // of the last QSO line
};

// The log's base name: the callsign with slashes and back-slashes made
// underscores and white space trimmed; "WENDA" when nothing is left.
std::string CabrilloFileName(const std::string& myCall);

}  // namespace reports
