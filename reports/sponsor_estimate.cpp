#include "reports/sponsor_estimate.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <tuple>
#include <unordered_set>

#include "engine/qso_intake.h"

bool Multiplier::operator<(const Multiplier& other) const {
    return std::tie(modeClass, dxcc, name) < std::tie(other.modeClass, other.dxcc, other.name);
}

namespace {

using Causes = std::bitset<kCauseCount>;

bool On(const Causes& on, Cause cause) {
    return on[static_cast<std::size_t>(cause)];
}

// What decides a counted QSO's multipliers under any of the rules. A log's
// counted QSOs come from few of them.
struct Source {
    int modeClass;
    std::string prefix;
    std::string multCode;
    std::string sent;  // the received exchange, when it is a location code
    bool maritime;
};

struct Counted {
    int32_t qsos[2] = {0, 0};
    int32_t points[2] = {0, 0};
    std::vector<Source> sources;  // each once
};

// The QSOs that count, each station once per mode: the first of a callsign
// in the mode that has no refused code and, given a period, lies in it.
// Keys are made in one buffer: a log's QSOs are many, their sources few.
Counted CountQsos(const std::vector<CheckedQso>& qsos, const ContestPeriod* period) {
    Counted counted;
    std::unordered_set<std::string> worked(qsos.size());
    std::unordered_set<std::string> sources;
    std::string key;
    for (const CheckedQso& q : qsos) {
        if (q.call.empty() || q.codeError || (period && !(q.minute && period->Holds(*q.minute)))) {
            continue;
        }
        key.assign(q.mode).append(1, '\n').append(q.call);
        if (!worked.insert(key).second) {
            continue;
        }
        const int modeClass = ModeClass(q.mode);
        ++counted.qsos[modeClass];
        counted.points[modeClass] +=
            modeClass == 0 ? kSponsorRules.cwPoints : kSponsorRules.phonePoints;
        const std::string& sent = q.multCode.empty() ? q.multCode : q.exchRcvd;
        const bool maritime = IsMaritimeMobile(q.call);
        key.assign(1, static_cast<char>('0' + modeClass)).append(q.prefix).append(1, '\n');
        key.append(q.multCode).append(1, '\n').append(sent).append(maritime ? "M" : "");
        if (sources.insert(key).second) {
            counted.sources.push_back({modeClass, q.prefix, q.multCode, sent, maritime});
        }
    }
    return counted;
}

bool CountsAsDxcc(const Source& s, const SponsorRules::HomeStation* home, const Causes& on) {
    return !(home && !home->state && On(on, Cause::KVeXe)) &&
           !(s.maritime && On(on, Cause::Maritime)) &&
           !(s.prefix.empty() && On(on, Cause::NoPrefix));
}

// The location code a QSO counts for; none when the rules count none.
std::optional<std::string> CodeOf(const Source& s, const Causes& on) {
    if (s.multCode.empty()) {
        return std::nullopt;
    }
    std::string code = s.multCode;
    const std::string read = SponsorCode(s.sent);
    if (read != code) {
        const std::optional<MultKind> kind = SponsorCodeKind(read);
        if (kind == MultKind::Canadian && On(on, Cause::NfLb)) {
            code = read;
        }
    }
    if (On(on, Cause::Unlisted) && !SponsorCodeKind(code)) {
        return std::nullopt;
    }
    return code;
}

void AddMultipliers(const Source& s, const Causes& on, std::set<Multiplier>& mults) {
    const SponsorRules::HomeStation* home = HomeStationOf(s.prefix);
    if (home && home->state && On(on, Cause::HawaiiAlaska)) {
        mults.insert({s.modeClass, false, home->state});
        return;
    }
    if (CountsAsDxcc(s, home, on)) {
        mults.insert({s.modeClass, true, s.prefix});
    }
    if (const std::optional<std::string> code = CodeOf(s, on)) {
        mults.insert({s.modeClass, false, *code});
    }
}

Tally TallyOf(const Counted& counted, const Causes& on) {
    Tally tally;
    std::copy(std::begin(counted.qsos), std::end(counted.qsos), tally.qsos);
    std::copy(std::begin(counted.points), std::end(counted.points), tally.points);
    for (const Source& source : counted.sources) {
        AddMultipliers(source, on, tally.mults);
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

Estimate EstimateScore(const std::vector<CheckedQso>& qsos,
                       const std::optional<ContestPeriod>& period) {
    const Counted all = CountQsos(qsos, nullptr);
    // Most logs lie in the period whole: they are counted once.
    const bool allInPeriod =
        !period || std::all_of(qsos.begin(), qsos.end(), [&](const CheckedQso& q) {
            return q.minute && period->Holds(*q.minute);
        });
    const Counted inPeriod = allInPeriod ? all : CountQsos(qsos, &*period);
    Estimate estimate;
    Causes on;
    estimate.claimed = TallyOf(all, on);
    Tally before = estimate.claimed;
    for (int c = 0; c < kCauseCount; ++c) {
        on.set(static_cast<std::size_t>(c));
        Tally after = TallyOf(On(on, Cause::Period) ? inPeriod : all, on);
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
