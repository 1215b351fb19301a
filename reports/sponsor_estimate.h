#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "reports/checked_qso.h"
#include "reports/sponsor_rules.h"

namespace reports {

// Where the module's score and the sponsor's part, in the order the estimate
// takes the sponsor's rules in: each applied on top of those before it.
enum class Cause {
    KVeXe,         // K, VE and XE counted as DXCC
    HawaiiAlaska,  // KH6 and KL7 counted as DXCC instead of HI and AK
    NfLb,          // NF and LB counted as one
    Unlisted,      // codes the sponsor does not list ("NL")
    Maritime,      // maritime-mobile stations counted as DXCC
    NoPrefix,      // an empty DXCC prefix counted as DXCC
    OtherCountry,  // location codes of another country's list counted
    Period,        // QSOs outside the contest period
};
constexpr int kCauseCount = 8;

// A multiplier: the mode class it counts in (0 CW, 1 phone), whether it is a
// DXCC prefix or a location code, and its name.
struct Multiplier {
    int modeClass;
    bool dxcc;
    std::string name;

    bool operator<(const Multiplier& other) const;
};

// A score under one set of rules, by mode class.
struct Tally {
    int32_t qsos[2] = {0, 0};
    int32_t points[2] = {0, 0};
    std::set<Multiplier> mults;

    int32_t Points() const { return points[0] + points[1]; }
    int32_t Mults() const { return static_cast<int32_t>(mults.size()); }
    int64_t Score() const { return static_cast<int64_t>(Points()) * Mults(); }
};

// What one of the sponsor's rules changes, taken after those before it.
struct CauseLine {
    Cause cause;
    int32_t points;
    std::vector<Multiplier> lost;
    std::vector<Multiplier> gained;

    int32_t Mults() const {
        return static_cast<int32_t>(gained.size()) - static_cast<int32_t>(lost.size());
    }
};

struct Estimate {
    Tally claimed;  // by the module's rules, as the claimed score counts
    Tally sponsor;
    int32_t byKind[kMultKindCount][2] = {};  // the sponsor's multipliers by kind and mode class
    std::vector<CauseLine> causes;           // those that change the score
};

// The log scored by the module's rules, then by the sponsor's. Without a
// period every QSO counts as inside it.
Estimate EstimateScore(const CheckedLog& log, const std::optional<ContestPeriod>& period);

}  // namespace reports
