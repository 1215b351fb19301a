#pragma once

#include <cstddef>

namespace reports {

// The texts of the check beside the Cabrillo log, as the operator reads them
// in a plain editor: lines of at most 80 columns.

// The check's name: the log's base name with this in place of ".cbr".
inline constexpr char kCheckExtension[] = ".check.txt";
inline constexpr std::size_t kCheckColumns = 80;

inline constexpr char kCheckTitle[] = "Check of %s before it is sent";
inline constexpr char kCheckCall[] = "Call:          %s";
inline constexpr char kCheckYear[] = "Contest year:  %s";
inline constexpr char kCheckQsos[] = "QSOs:          %u";
inline constexpr char kCheckClaimed[] = "Claimed score: %i";
inline constexpr char kCheckIntro[] =
    "The module's claimed score follows its own rules. Below, the same QSOs\r\n"
    "scored by the contest sponsor's current rules, as an estimate, with what\r\n"
    "makes the two differ; then what the sponsor's checking would remove or\r\n"
    "refuse, which can still be mended before the log is sent.\r\n";

// The estimate: a row per figure, in CW, SSB and both.
inline constexpr char kEstimateHeading[] = "Estimate by the sponsor's rules";
inline constexpr char kModeNames[2][4] = {"CW", "SSB"};
inline constexpr char kTotalColumn[] = "Total";
inline constexpr char kEstimateQsos[] = "QSOs counted";
inline constexpr char kEstimatePoints[] = "QSO points";
// By MultKind.
inline constexpr const char* kMultKindNames[] = {"States and DC",
                                                 "Canadian provinces and territories",
                                                 "Mexican states", "DXCC entities", "ITU regions"};
inline constexpr char kEstimateMults[] = "Multipliers";
inline constexpr char kEstimateScore[] = "  Score: %i x %i = %s";
inline constexpr char kNoContestYear[] =
    "  The contest year is not known: the contest period is not checked.";

// The differences from the claimed score, a line per cause.
inline constexpr char kDifferencesHeading[] = "Differences from the claimed score";
inline constexpr char kPointsColumn[] = "QSO points";
inline constexpr char kMultsColumn[] = "Multipliers";
inline constexpr char kClaimedRow[] = "Claimed, by the module's rules";
inline constexpr char kEstimatedRow[] = "Estimate, by the sponsor's rules";
// By Cause.
inline constexpr const char* kCauseNames[] = {
    "K, VE and XE counted as DXCC",
    "KH6 and KL7 counted as DXCC instead of HI and AK",
    "NF and LB counted as one",
    "NL counted, which the sponsor does not list",
    "Maritime-mobile stations counted as DXCC",
    "QSOs without a DXCC prefix counted as DXCC",
    "Exchanges of another country's list counted",
    "QSOs outside the contest period",
};
inline constexpr char kEmptyName[] = "(none)";
inline constexpr char kClaimedScoreLine[] = "Score claimed:   %i x %i = %s";
inline constexpr char kEstimatedScoreLine[] = "Score estimated: %i x %i = %s";

// The warnings: each with its count and the first lines of the log concerned.
inline constexpr char kWarningsHeading[] = "Warnings: %u";
inline constexpr char kNoWarnings[] = "Warnings: none";
inline constexpr std::size_t kLinesPerWarning = 5;
inline constexpr char kMoreLines[] = "  ... and %u more";
inline constexpr char kOverTimeOn[] =
    "QSOs after %i h of operating time (the log has %i h %02i min)";
inline constexpr char kOutsidePeriod[] = "QSOs outside the contest period, %s to %s UTC";
inline constexpr char kExcludedMode[] = "QSOs in a mode that %s excludes";
inline constexpr char kMultiOperatorMode[] = "A multi-operator entry whose mode is not %s";
inline constexpr char kUnusedCategory[] = "Category values the sponsor does not use";
inline constexpr char kNotGiven[] = "(not given)";
inline constexpr char kUnknownCode[] =
    "Exchanges no list knows (err.txt), which the sponsor counts busted";
inline constexpr char kAnotherCountryCode[] =
    "Exchanges that belong to another country's list, counted busted";
inline constexpr char kUnlistedCode[] = "Codes the sponsor does not list (NL: NF or LB?)";
inline constexpr char kFieldSpace[] =
    "QSO fields empty or with a space inside: strict readers refuse them";
inline constexpr char kTimeOrder[] = "QSO lines out of time order: strict readers refuse them";

inline constexpr char kCheckClosing[] =
    "What the estimate cannot know: the other stations' logs. The sponsor sets\r\n"
    "them beside this one and removes busted calls and QSOs not in the other\r\n"
    "station's log. Cross-mode rules, frequency limits and penalties are left\r\n"
    "out.\r\n";

}  // namespace reports
