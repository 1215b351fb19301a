#include "reports/log_check.h"

#include <cstdio>
#include <iterator>

#include "platform/string_format.h"
#include "reports/cabrillo_texts.h"
#include "reports/check_texts.h"
#include "reports/log_warnings.h"
#include "reports/sponsor_estimate.h"
#include "reports/whole_file.h"

namespace reports {

static_assert(std::size(kMultKindNames) == kMultKindCount, "a name for each kind");
static_assert(std::size(kCauseNames) == kCauseCount, "a name for each cause");

namespace {

// A line as a plain editor shows it whole: control characters blanked as in
// the log, bytes beyond ASCII as "?", anything past the last column cut.
void Line(std::string& out, std::string line) {
    for (char& c : line) {
        const auto byte = static_cast<unsigned char>(c);
        c = byte < ' ' ? ' ' : byte > '~' ? '?' : c;
    }
    if (line.size() > kCheckColumns) {
        line.resize(kCheckColumns - 3);
        line += "...";
    }
    out += line;
    out += "\r\n";
}

// A line of the log, indented; one too wide loses its columns' padding first.
void Quote(std::string& out, const std::string& logLine) {
    std::string line = "  " + logLine;
    if (line.size() > kCheckColumns) {
        std::string packed;
        for (char c : line) {
            if (c != ' ' || packed.size() < 2 || packed.back() != ' ') {
                packed += c;
            }
        }
        line = packed;
    }
    Line(out, line);
}

// Words on lines indented by four, as many to a line as fit.
void Wrapped(std::string& out, const std::vector<std::string>& words) {
    const std::string indent = "    ";
    std::string line = indent;
    for (const std::string& word : words) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > kCheckColumns) {
            Line(out, line);
            line = indent;
        }
        line += (line.size() > indent.size() ? " " : "") + word;
    }
    Line(out, line);
}

std::string Signed(int32_t value) {
    return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
}

void Header(std::string& out, const LogCheckInput& in) {
    Line(out, platform::StringPrintf(kCheckTitle, in.logName.c_str()));
    Line(out, platform::StringPrintf(kCheckCall, in.header.m_Callsign.c_str()));
    Line(out, platform::StringPrintf(kCheckYear, in.contestYear.c_str()));
    Line(out, platform::StringPrintf(kCheckQsos, static_cast<unsigned>(in.log.qsos.size())));
    Line(out, platform::StringPrintf(kCheckClaimed, in.claimedScore));
    out += "\r\n";
    out += kCheckIntro;
}

void EstimateRow(std::string& out, const char* label, int32_t cw, int32_t ssb) {
    Line(out, platform::StringPrintf("  %-40s%8i%10i%10i", label, cw, ssb, cw + ssb));
}

std::string ScoreText(const char* format, const Tally& tally) {
    return platform::StringPrintf(format, tally.Points(), tally.Mults(),
                                  std::to_string(tally.Score()).c_str());
}

void EstimateTable(std::string& out, const Estimate& e, bool periodKnown) {
    Line(out, platform::StringPrintf("%-42s%8s%10s%10s", kEstimateHeading, kModeNames[0],
                                     kModeNames[1], kTotalColumn));
    EstimateRow(out, kEstimateQsos, e.sponsor.qsos[0], e.sponsor.qsos[1]);
    EstimateRow(out, kEstimatePoints, e.sponsor.points[0], e.sponsor.points[1]);
    int32_t mults[2] = {0, 0};
    for (int kind = 0; kind < kMultKindCount; ++kind) {
        EstimateRow(out, kMultKindNames[kind], e.byKind[kind][0], e.byKind[kind][1]);
        mults[0] += e.byKind[kind][0];
        mults[1] += e.byKind[kind][1];
    }
    EstimateRow(out, kEstimateMults, mults[0], mults[1]);
    Line(out, ScoreText(kEstimateScore, e.sponsor));
    if (!periodKnown) {
        Line(out, kNoContestYear);
    }
}

// The multipliers a cause takes away and adds, by mode: "CW -K -VE; SSB -K".
std::vector<std::string> CauseWords(const CauseLine& cause) {
    std::vector<std::string> words;
    for (int modeClass = 0; modeClass < 2; ++modeClass) {
        const std::size_t start = words.size();
        const auto add = [&](const std::vector<Multiplier>& mults, const char* sign) {
            for (const Multiplier& m : mults) {
                if (m.modeClass == modeClass) {
                    words.push_back(sign + (m.name.empty() ? std::string(kEmptyName) : m.name));
                }
            }
        };
        add(cause.lost, "-");
        add(cause.gained, "+");
        if (words.size() > start) {
            if (start > 0) {
                words[start - 1] += ";";
            }
            words.insert(words.begin() + static_cast<std::ptrdiff_t>(start), kModeNames[modeClass]);
        }
    }
    return words;
}

void DifferenceRow(std::string& out, const char* label, const std::string& points,
                   const std::string& mults) {
    Line(out, platform::StringPrintf("  %-52s%12s%13s", label, points.c_str(), mults.c_str()));
}

void Differences(std::string& out, const Estimate& e) {
    Line(out,
         platform::StringPrintf("%-54s%12s%13s", kDifferencesHeading, kPointsColumn, kMultsColumn));
    DifferenceRow(out, kClaimedRow, std::to_string(e.claimed.Points()),
                  std::to_string(e.claimed.Mults()));
    for (const CauseLine& cause : e.causes) {
        DifferenceRow(out, kCauseNames[static_cast<int>(cause.cause)], Signed(cause.points),
                      Signed(cause.Mults()));
        const std::vector<std::string> words = CauseWords(cause);
        if (!words.empty()) {
            Wrapped(out, words);
        }
    }
    DifferenceRow(out, kEstimatedRow, std::to_string(e.sponsor.Points()),
                  std::to_string(e.sponsor.Mults()));
    Line(out, ScoreText(kClaimedScoreLine, e.claimed));
    Line(out, ScoreText(kEstimatedScoreLine, e.sponsor));
}

void Warnings(std::string& out, const std::vector<Warning>& warnings) {
    if (warnings.empty()) {
        Line(out, kNoWarnings);
        return;
    }
    Line(out, platform::StringPrintf(kWarningsHeading, static_cast<unsigned>(warnings.size())));
    for (const Warning& w : warnings) {
        out += "\r\n";
        Line(out, w.title + ": " + std::to_string(w.count));
        for (const std::string& line : w.lines) {
            Quote(out, line);
        }
        if (w.count > w.lines.size()) {
            Line(out, platform::StringPrintf(kMoreLines,
                                             static_cast<unsigned>(w.count - w.lines.size())));
        }
    }
}

}  // namespace

std::string LogCheckText(const LogCheckInput& in) {
    const std::optional<int> year = ContestYearOf(in.contestYear);
    const std::optional<ContestPeriod> period =
        year ? std::optional<ContestPeriod>(ContestPeriodOf(*year)) : std::nullopt;
    const Estimate estimate = EstimateScore(in.log, period);
    std::string out;
    Header(out, in);
    out += "\r\n";
    EstimateTable(out, estimate, period.has_value());
    out += "\r\n";
    Differences(out, estimate);
    out += "\r\n";
    Warnings(out, LogWarnings(in.header, in.log, period, in.qsoLines));
    out += "\r\n";
    out += kCheckClosing;
    return out;
}

bool WriteLogCheck(const CCabrilloLog& log, const std::optional<CheckedLog>& checked,
                   const std::string& contestYear, int32_t claimedScore) noexcept {
    try {
        const std::string name = log.m_FileName + kCheckExtension;
        if (checked &&
            WriteWholeFile(log.m_Folder, name,
                           {LogCheckText({log, log.m_FileName + kLogExtension, contestYear,
                                          claimedScore, *checked, log.m_QsoLines})})) {
            return true;
        }
        std::remove((log.m_Folder + name).c_str());
    } catch (...) {
    }
    return false;
}

}  // namespace reports
