#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reports/cabrillo_log.h"
#include "reports/checked_qso.h"

namespace reports {

// What the check beside a Cabrillo log is made from.
struct LogCheckInput {
    const CabrilloHeader& header;
    std::string logName;      // the log's file name
    std::string contestYear;  // as the summary gives it
    int32_t claimedScore;     // as the log gives it
    const CheckedLog& log;
    const std::string& qsoLines;  // a line per QSO of the facts, each ending in CR LF
};

// The check: the log's figures, its score by the sponsor's rules with the
// causes of the difference, and the warnings; ASCII lines of at most 80
// columns, each ending in CR LF.
std::string LogCheckText(const LogCheckInput& input);

// Writes the check beside the log that the report pass produced, the same
// safe way: the log's base name followed by ".check.txt". When the QSOs'
// facts are missing or the file cannot be written, no earlier check stays
// beside the new log. Nothing escapes: the pass goes on as without it.
bool WriteLogCheck(const CCabrilloLog& log, const std::optional<CheckedLog>& checked,
                   const std::string& contestYear, int32_t claimedScore) noexcept;

}  // namespace reports
