#include "reports/log_warnings.h"

#include <algorithm>
#include <cstdint>

#include "engine/engine_texts.h"
#include "engine/log_store.h"
#include "platform/string_format.h"
#include "platform/text.h"
#include "reports/check_texts.h"

void Warning::Add(const std::string& line) {
    ++count;
    if (lines.size() < kLinesPerWarning) {
        lines.push_back(line);
    }
}

namespace {

template <typename QsoTest>
Warning QsoWarning(const std::string& title, const std::vector<CheckedQso>& qsos,
                   QsoTest concerned) {
    Warning warning{title};
    for (const CheckedQso& q : qsos) {
        if (concerned(q)) {
            warning.Add(q.line);
        }
    }
    return warning;
}

std::string MinuteText(int64_t minute) {
    constexpr double kMinutesPerDay = 24 * 60;
    return COleDateTime(static_cast<double>(minute) / kMinutesPerDay).Format(kQsoTimeFormat);
}

// Operating time runs from the first QSO to the last in time order, less
// every off-time; the QSOs after its limit are those concerned.
Warning TimeOnWarning(const std::vector<CheckedQso>& qsos) {
    std::vector<const CheckedQso*> timed;
    for (const CheckedQso& q : qsos) {
        if (q.minute) {
            timed.push_back(&q);
        }
    }
    std::stable_sort(timed.begin(), timed.end(), [](const CheckedQso* a, const CheckedQso* b) {
        return *a->minute < *b->minute;
    });
    std::vector<bool> over(qsos.size(), false);
    int64_t on = 0;
    for (std::size_t i = 1; i < timed.size(); ++i) {
        const int64_t gap = *timed[i]->minute - *timed[i - 1]->minute;
        on += gap < kSponsorRules.minOffMinutes ? gap : 0;
        over[static_cast<std::size_t>(timed[i] - qsos.data())] = on > kSponsorRules.maxOnMinutes;
    }
    if (on <= kSponsorRules.maxOnMinutes) {
        return Warning{};
    }
    const int minutes = static_cast<int>(on);
    Warning warning{
        StringPrintf(kOverTimeOn, kSponsorRules.maxOnMinutes / 60, minutes / 60, minutes % 60)};
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        if (over[i]) {
            warning.Add(qsos[i].line);
        }
    }
    return warning;
}

Warning PeriodWarning(const std::vector<CheckedQso>& qsos,
                      const std::optional<ContestPeriod>& period) {
    if (!period) {
        return Warning{};
    }
    const std::string title = StringPrintf(kOutsidePeriod, MinuteText(period->first).c_str(),
                                           MinuteText(period->end - 1).c_str());
    return QsoWarning(title, qsos,
                      [&](const CheckedQso& q) { return !q.minute || !period->Holds(*q.minute); });
}

// CATEGORY-MODE CW or SSB admits QSOs of that mode class only.
Warning ModeWarning(const CabrilloHeader& header, const std::vector<CheckedQso>& qsos) {
    const std::string mode = TrimWhiteSpace(header.m_CategoryMode);
    if (mode != kModeCw && mode != kModeSsb) {
        return Warning{};
    }
    const std::string title = StringPrintf(kExcludedMode, ("CATEGORY-MODE " + mode).c_str());
    return QsoWarning(title, qsos,
                      [&](const CheckedQso& q) { return ModeClass(q.mode) != ModeClass(mode); });
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
    Warning warning{StringPrintf(kMultiOperatorMode, rule.mode)};
    const std::string mode = TrimWhiteSpace(header.m_CategoryMode);
    if (TrimWhiteSpace(header.m_CategoryOperator) == rule.category && mode != rule.mode) {
        warning.Add(CategoryLine(&CabrilloHeader::m_CategoryMode, mode));
    }
    return warning;
}

// A value not given counts too: the sponsor cannot place the entry without it.
Warning CategoryWarning(const CabrilloHeader& header) {
    Warning warning{kUnusedCategory};
    for (const SponsorRules::Category& category : kSponsorRules.categories) {
        const std::string value = TrimWhiteSpace(header.*category.member);
        if (!ListHolds(category.values, value)) {
            warning.Add(CategoryLine(category.member, value));
        }
    }
    return warning;
}

// A field that a reader splitting the line at blanks would not find whole.
bool BrokenField(const std::string& field) {
    const std::string trimmed = TrimWhiteSpace(field);
    return trimmed.empty() || std::any_of(trimmed.begin(), trimmed.end(), [](char c) {
               return static_cast<unsigned char>(c) <= ' ';
           });
}

Warning TimeOrderWarning(const std::vector<CheckedQso>& qsos) {
    Warning warning{kTimeOrder};
    for (std::size_t i = 1; i < qsos.size(); ++i) {
        const std::optional<int64_t>& before = qsos[i - 1].minute;
        const std::optional<int64_t>& at = qsos[i].minute;
        if (before && at && *at < *before) {
            warning.Add(qsos[i].line);
        }
    }
    return warning;
}

}  // namespace

std::vector<Warning> LogWarnings(const CabrilloHeader& header, const std::vector<CheckedQso>& qsos,
                                 const std::optional<ContestPeriod>& period) {
    const bool ownCallBroken = BrokenField(header.m_Callsign);
    Warning all[] = {
        TimeOnWarning(qsos),
        PeriodWarning(qsos, period),
        ModeWarning(header, qsos),
        MultiOperatorWarning(header),
        CategoryWarning(header),
        QsoWarning(kUnknownCode, qsos, [](const CheckedQso& q) { return q.codeError; }),
        QsoWarning(kUnlistedCode, qsos,
                   [](const CheckedQso& q) {
                       return !q.multCode.empty() && !SponsorCodeKind(q.exchRcvd);
                   }),
        QsoWarning(kFieldSpace, qsos,
                   [&](const CheckedQso& q) {
                       return ownCallBroken || BrokenField(q.call) || BrokenField(q.exchSent) ||
                              BrokenField(q.exchRcvd);
                   }),
        TimeOrderWarning(qsos),
    };
    std::vector<Warning> raised;
    for (Warning& warning : all) {
        if (warning.count > 0) {
            raised.push_back(std::move(warning));
        }
    }
    return raised;
}
