#include "reports/sponsor_estimate.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <tuple>

namespace reports {

bool Multiplier::operator<(const Multiplier& other) const {
    return std::tie(modeClass, dxcc, name) < std::tie(other.modeClass, other.dxcc, other.name);
}

namespace {

using Causes = std::bitset<kCauseCount>;

bool On(const Causes& on, Cause cause) {
    return on[static_cast<std::size_t>(cause)];
}

struct Counted {
    int32_t qsos[2] = {0, 0};
    int32_t points[2] = {0, 0};
    std::vector<uint32_t> sources;  // of the QSOs counted, each once
};

// What a count leaves out besides the QSOs that the module counts nowhere.
struct Leaving {
    bool anotherCountry;          // codes of another country's list
    const ContestPeriod* period;  // given: the QSOs outside it
};

// What a count takes from a QSO's source: its mode class, and whether it
// leaves the QSO out.
struct SourceFacts {
    uint8_t modeClass;
    bool leftOut;
    bool used = false;
};

bool LeftOut(const CheckedQso& q, const SourceFacts& s, const ContestPeriod* period) {
    return !q.hasCall || q.codeError || s.leftOut ||
           (period && !(q.Timed() && period->Holds(q.minute)));
}

// The QSOs that count, each station once per mode: the first of a callsign
// in the mode that is not left out. Callsigns by the store's ids.
Counted CountQsos(const CheckedLog& log, const Leaving& leaving) {
    std::vector<SourceFacts> sources;
    sources.reserve(log.sources.size());
    for (const QsoSource& s : log.sources) {
        sources.push_back(
            {static_cast<uint8_t>(s.modeClass), leaving.anotherCountry && s.anotherCountry});
    }
    Counted counted;
    std::vector<uint8_t> worked(std::size_t{log.callIdBound} * 2, 0);  // by call id and mode
    for (const CheckedQso& q : log.qsos) {
        SourceFacts& s = sources[q.source];
        if (LeftOut(q, s, leaving.period)) {
            continue;
        }
        uint8_t& seen = worked[std::size_t{q.call} * 2 + s.modeClass];
        if (seen != 0) {
            continue;
        }
        seen = 1;
        ++counted.qsos[s.modeClass];
        counted.points[s.modeClass] +=
            s.modeClass == 0 ? kSponsorRules.cwPoints : kSponsorRules.phonePoints;
        if (!s.used) {
            s.used = true;
            counted.sources.push_back(q.source);
        }
    }
    return counted;
}

// What the sponsor's rules make of a source, worked out once for all the
// rules' combinations.
struct SourceRules {
    const SponsorRules::HomeStation* home;
    std::string read;         // the code sent, as the sponsor reads it
    bool readsOtherCanadian;  // read, not the module's code, and Canadian: NF or LB for NL
    bool codeListed;          // the sponsor lists the module's code
    bool readListed;          // and the code read

    explicit SourceRules(const QsoSource& s)
        : home(HomeStationOf(s.prefix)),
          read(SponsorCode(s.sent)),
          readsOtherCanadian(read != s.multCode && SponsorCodeKind(read) == MultKind::Canadian),
          codeListed(SponsorCodeKind(s.multCode).has_value()),
          readListed(SponsorCodeKind(read).has_value()) {}
};

bool CountsAsDxcc(const QsoSource& s, const SponsorRules::HomeStation* home, const Causes& on) {
    return !(home && !home->state && On(on, Cause::KVeXe)) &&
           !(s.maritime && On(on, Cause::Maritime)) &&
           !(s.prefix.empty() && On(on, Cause::NoPrefix));
}

// The location code a QSO counts for; none when the rules count none.
std::optional<std::string> CodeOf(const QsoSource& s, const SourceRules& r, const Causes& on) {
    if (s.multCode.empty()) {
        return std::nullopt;
    }
    const bool asRead = r.readsOtherCanadian && On(on, Cause::NfLb);
    if (On(on, Cause::Unlisted) && !(asRead ? r.readListed : r.codeListed)) {
        return std::nullopt;
    }
    return asRead ? r.read : s.multCode;
}

void AddMultipliers(const QsoSource& s, const SourceRules& r, const Causes& on,
                    std::set<Multiplier>& mults) {
    if (r.home && r.home->state && On(on, Cause::HawaiiAlaska)) {
        mults.insert({s.modeClass, false, r.home->state});
        return;
    }
    if (CountsAsDxcc(s, r.home, on)) {
        mults.insert({s.modeClass, true, s.prefix});
    }
    if (const std::optional<std::string> code = CodeOf(s, r, on)) {
        mults.insert({s.modeClass, false, *code});
    }
}

Tally TallyOf(const Counted& counted, const std::vector<QsoSource>& sources,
              const std::vector<SourceRules>& rules, const Causes& on) {
    Tally tally;
    std::copy(std::begin(counted.qsos), std::end(counted.qsos), tally.qsos);
    std::copy(std::begin(counted.points), std::end(counted.points), tally.points);
    for (uint32_t source : counted.sources) {
        AddMultipliers(sources[source], rules[source], on, tally.mults);
    }
    return tally;
}

std::vector<Multiplier> Without(const std::set<Multiplier>& from,
                                const std::set<Multiplier>& what) {
    std::vector<Multiplier> rest;
    std::set_difference(from.begin(), from.end(), what.begin(), what.end(),
                        std::back_inserter(rest));
    return rest;
}

void CountByKind(Estimate& estimate) {
    for (const Multiplier& m : estimate.sponsor.mults) {
        const std::optional<MultKind> kind = m.dxcc ? MultKind::Dxcc : SponsorCodeKind(m.name);
        if (kind) {
            ++estimate.byKind[static_cast<int>(*kind)][m.modeClass];
        }
    }
}

}  // namespace

Estimate EstimateScore(const CheckedLog& log, const std::optional<ContestPeriod>& period) {
    // Most logs hold no code of another country's list and lie in the period
    // whole: they are counted once.
    const Counted all = CountQsos(log, {false, nullptr});
    const bool anotherCountry = std::any_of(log.sources.begin(), log.sources.end(),
                                            [](const QsoSource& s) { return s.anotherCountry; });
    const Counted valid = anotherCountry ? CountQsos(log, {true, nullptr}) : all;
    const bool allInPeriod = !period || log.AllWithin(period->first, period->end);
    const Counted inPeriod = allInPeriod ? valid : CountQsos(log, {true, &*period});
    const std::vector<SourceRules> rules(log.sources.begin(), log.sources.end());
    Estimate estimate;
    Causes on;
    estimate.claimed = TallyOf(all, log.sources, rules, on);
    Tally before = estimate.claimed;
    for (int c = 0; c < kCauseCount; ++c) {
        on.set(static_cast<std::size_t>(c));
        const Counted& counted = On(on, Cause::Period)         ? inPeriod
                                 : On(on, Cause::OtherCountry) ? valid
                                                               : all;
        Tally after = TallyOf(counted, log.sources, rules, on);
        CauseLine line{static_cast<Cause>(c), after.Points() - before.Points(),
                       Without(before.mults, after.mults), Without(after.mults, before.mults)};
        if (line.points != 0 || !line.lost.empty() || !line.gained.empty()) {
            estimate.causes.push_back(std::move(line));
        }
        before = std::move(after);
    }
    estimate.sponsor = std::move(before);
    CountByKind(estimate);
    return estimate;
}

}  // namespace reports
