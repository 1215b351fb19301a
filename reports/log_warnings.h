#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "reports/cabrillo_header.h"
#include "reports/checked_qso.h"
#include "reports/sponsor_rules.h"

namespace reports {

// What the sponsor's checking would remove or refuse in a log: how many
// lines it concerns, and the first of them as the log has them.
struct Warning {
    explicit Warning(std::string title = std::string()) : title(std::move(title)) {}

    std::string title;
    std::size_t count = 0;
    std::vector<std::string> lines;

    void Add(const std::string& line);
};

// The warnings that the log raises, in the order the check lists them;
// none when all is well. qsoLines is the text of the log's QSO lines, where
// the facts find them, each ending in CR LF. Without a period no QSO counts
// as outside it.
std::vector<Warning> LogWarnings(const CabrilloHeader& header, const CheckedLog& log,
                                 const std::optional<ContestPeriod>& period,
                                 const std::string& qsoLines);

}  // namespace reports
