#include "reports/log_warnings.h"

#include <algorithm>
#include <cstdint>

#include "engine/engine_texts.h"
#include "engine/log_store.h"
#include "platform/string_format.h"
#include "platform/text.h"
#include "reports/check_texts.h"
#include "reports/operating_time.h"

namespace reports {

void Warning::Add(const std::string& line) {
    ++count;
    if (lines.size() < kLinesPerWarning) {
        lines.push_back(line);
    }
}

namespace {

// The warnings about QSOs, in the order the check lists them.
enum QsoConcern {
    kOverTimeOnConcern,
    kOutsidePeriodConcern,
    kExcludedModeConcern,
    kUnknownCodeConcern,
    kAnotherCountryConcern,
    kUnlistedCodeConcern,
    kFieldConcern,
    kTimeOrderConcern,
    kQsoConcernCount
};

// The QSOs that a warning concerns: how many, and the first of them.
struct Concerned {
    std::size_t count = 0;
    std::vector<std::size_t> first;
};

unsigned Bit(bool on, QsoConcern concern) {
    return on ? 1u << concern : 0u;
}

// What the warnings ask of each QSO, worked out before the walk over them.
struct QsoTests {
    QsoTests(const CheckedLog& log, const std::optional<ContestPeriod>& period,
             int admittedModeClass, bool ownCallBroken)
        : period(period && !log.AllWithin(period->first, period->end) ? &*period : nullptr),
          time(OperatingTimeOf(log, kSponsorRules.minOffMinutes, kSponsorRules.maxOnMinutes)),
          qsoConcerns(Bit(ownCallBroken, kFieldConcern)) {
        for (const QsoSource& s : log.sources) {
            const bool excluded = admittedModeClass >= 0 && s.modeClass != admittedModeClass;
            sourceConcerns.push_back(Bit(excluded, kExcludedModeConcern) |
                                     Bit(s.anotherCountry, kAnotherCountryConcern) |
                                     Bit(s.unlisted, kUnlistedCodeConcern));
        }
    }

    // The warnings that concern a QSO, a bit each, given the minute of the
    // QSO before it. Most QSOs concern none, which the first test tells.
    unsigned ConcernsOf(const CheckedQso& q, int64_t before) const {
        const unsigned always = qsoConcerns | sourceConcerns[q.source];
        if (always == 0 && !q.codeError && !q.brokenField && !period && before <= q.minute &&
            q.minute < time.overFrom) {
            return 0;
        }
        const bool outside = period && !(q.Timed() && period->Holds(q.minute));
        const bool backwards = q.Timed() && q.minute < before;  // never before an untimed QSO
        return always | Bit(q.Timed() && q.minute >= time.overFrom, kOverTimeOnConcern) |
               Bit(outside, kOutsidePeriodConcern) | Bit(q.codeError, kUnknownCodeConcern) |
               Bit(q.brokenField, kFieldConcern) | Bit(backwards, kTimeOrderConcern);
    }

    const ContestPeriod* period;  // null when no QSO lies outside it
    OperatingTime time;
    unsigned qsoConcerns;                  // what every QSO raises
    std::vector<unsigned> sourceConcerns;  // what a QSO's source alone raises, by source
};

// A QSO's line as the log has it.
std::string LineOf(const CheckedQso& q, const std::string& qsoLines) {
    const std::size_t end = qsoLines.find("\r\n", q.line);
    return qsoLines.substr(q.line, end == std::string::npos ? end : end - q.line);
}

Warning QsoWarning(const std::string& title, const Concerned& concerned, const CheckedLog& log,
                   const std::string& qsoLines) {
    Warning warning{title};
    warning.count = concerned.count;
    for (std::size_t i : concerned.first) {
        warning.lines.push_back(LineOf(log.qsos[i], qsoLines));
    }
    return warning;
}

std::string MinuteText(int64_t minute) {
    constexpr double kMinutesPerDay = 24 * 60;
    return platform::COleDateTime(static_cast<double>(minute) / kMinutesPerDay)
        .Format(engine::kQsoTimeFormat);
}

std::string OverTimeOnTitle(const OperatingTime& time) {
    const int minutes = static_cast<int>(time.minutes);
    return platform::StringPrintf(kOverTimeOn, kSponsorRules.maxOnMinutes / 60, minutes / 60,
                                  minutes % 60);
}

std::string PeriodTitle(const std::optional<ContestPeriod>& period) {
    return period ? platform::StringPrintf(kOutsidePeriod, MinuteText(period->first).c_str(),
                                           MinuteText(period->end - 1).c_str())
                  : std::string();
}

// CATEGORY-MODE CW or SSB admits QSOs of that mode class only.
std::string AdmittedMode(const CabrilloHeader& header) {
    const std::string mode = platform::TrimWhiteSpace(header.m_CategoryMode);
    return mode == engine::kModeCw || mode == engine::kModeSsb ? mode : std::string();
}

std::string CategoryLine(std::string CabrilloHeader::*member, const std::string& value) {
    for (const HeaderLine& line : kCategoryLines) {
        if (line.member == member) {
            return line.tag + (value.empty() ? std::string(kNotGiven) : value);
        }
    }
    return value;
}

Warning MultiOperatorWarning(const CabrilloHeader& header) {
    const SponsorRules::MultiOperator& rule = kSponsorRules.multiOperator;
    Warning warning{platform::StringPrintf(kMultiOperatorMode, rule.mode)};
    const std::string mode = platform::TrimWhiteSpace(header.m_CategoryMode);
    if (platform::TrimWhiteSpace(header.m_CategoryOperator) == rule.category && mode != rule.mode) {
        warning.Add(CategoryLine(&CabrilloHeader::m_CategoryMode, mode));
    }
    return warning;
}

// A value not given counts too: the sponsor cannot place the entry without it.
Warning CategoryWarning(const CabrilloHeader& header) {
    Warning warning{kUnusedCategory};
    for (const SponsorRules::Category& category : kSponsorRules.categories) {
        const std::string value = platform::TrimWhiteSpace(header.*category.member);
        if (!ListHolds(category.values, value)) {
            warning.Add(CategoryLine(category.member, value));
        }
    }
    return warning;
}

}  // namespace

std::vector<Warning> LogWarnings(const CabrilloHeader& header, const CheckedLog& log,
                                 const std::optional<ContestPeriod>& period,
                                 const std::string& qsoLines) {
    const std::string mode = AdmittedMode(header);
    const QsoTests tests(log, period, mode.empty() ? -1 : engine::ModeClass(mode),
                         BrokenField(header.m_Callsign));
    Concerned concerned[kQsoConcernCount];
    int64_t before = CheckedQso::kNoMinute;
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        unsigned bits = tests.ConcernsOf(log.qsos[i], before);
        before = log.qsos[i].minute;
        for (; bits != 0; bits &= bits - 1) {  // each bit set, lowest first
            Concerned& c = concerned[__builtin_ctz(bits)];
            if (c.count++ < kLinesPerWarning) {
                c.first.push_back(i);
            }
        }
    }
    const auto qsoWarning = [&](const std::string& title, QsoConcern concern) {
        return QsoWarning(title, concerned[concern], log, qsoLines);
    };
    Warning all[] = {
        qsoWarning(OverTimeOnTitle(tests.time), kOverTimeOnConcern),
        qsoWarning(PeriodTitle(period), kOutsidePeriodConcern),
        qsoWarning(platform::StringPrintf(kExcludedMode, ("CATEGORY-MODE " + mode).c_str()),
                   kExcludedModeConcern),
        MultiOperatorWarning(header),
        CategoryWarning(header),
        qsoWarning(kUnknownCode, kUnknownCodeConcern),
        qsoWarning(kAnotherCountryCode, kAnotherCountryConcern),
        qsoWarning(kUnlistedCode, kUnlistedCodeConcern),
        qsoWarning(kFieldSpace, kFieldConcern),
        qsoWarning(kTimeOrder, kTimeOrderConcern),
    };
    std::vector<Warning> raised;
    for (Warning& warning : all) {
        if (warning.count > 0) {
            raised.push_back(std::move(warning));
        }
    }
    return raised;
}

}  // namespace reports
