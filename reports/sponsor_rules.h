#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "reports/cabrillo_header.h"

namespace reports {

// The contest sponsor's current rules, as far as they are verified: what the
// check beside the Cabrillo log sets the log against. The module's own score
// keeps its own rules. docs/sponsor-rules.md gives each rule's source and
// year, and what is left out.

// The kinds of multiplier, in the order the check lists them.
enum class MultKind { State, Canadian, Mexican, Dxcc, ItuRegion };
constexpr int kMultKindCount = 5;

struct SponsorRules {
    // QSO points; each station counts once per mode.
    int cwPoints;
    int phonePoints;
    // Operating time: at most maxOnMinutes of the period; a gap between two
    // QSOs of at least minOffMinutes is off-time.
    int periodMinutes;
    int maxOnMinutes;
    int minOffMinutes;

    // The location multipliers come from the table of places
    // (engine/places.h), and so do the stations that are no DXCC multiplier:
    // those of the US, Canada and Mexico by their DXCC prefix; one with a
    // place of its own counts as that place, whatever it sent.
    struct HomeStation {
        const char* prefix;
        const char* state;  // null: the station's own exchange counts
    };
    // The header's category values the sponsor takes, apart by blanks.
    struct Category {
        std::string CabrilloHeader::*member;
        const char* values;
    } categories[5];
    // A multi-operator entry takes this mode only.
    struct MultiOperator {
        const char* category;
        const char* mode;
    } multiOperator;
};

extern const SponsorRules kSponsorRules;

// The kind of a location code, when the sponsor lists it (after its alias).
std::optional<MultKind> SponsorCodeKind(const std::string& code);
// The code the sponsor reads for one sent: the alias's, else the code itself.
std::string SponsorCode(const std::string& sent);
// The rule for a station of the US, Canada or Mexico by its DXCC prefix; null
// for every other prefix.
const SponsorRules::HomeStation* HomeStationOf(const std::string& prefix);
// The list whose location codes a station of this DXCC prefix sends, that
// of its own country: states from the US, Hawaii and Alaska included;
// provinces and territories from Canada; states from Mexico. None for every
// other prefix.
std::optional<MultKind> HomeListOf(const std::string& prefix);
// Whether a location code that the sponsor lists belongs to another
// country's list than that of a US, Canadian or Mexican station: the sponsor
// knows what the station sent and counts the QSO busted. A region is no
// country's code either; a code the sponsor does not list is no other
// country's.
bool IsAnotherCountrysCode(const std::string& prefix, const std::string& code);
// Whether a value is one of the words of a list apart by blanks.
bool ListHolds(const char* list, const std::string& value);

// The contest period in minutes of the host's day count (minute 0 is
// 1899-12-30 0000 UTC): from Saturday 0000 UTC of the second full weekend of
// December to the end of its Sunday.
struct ContestPeriod {
    int64_t first;
    int64_t end;  // the first minute after it
    bool Holds(int64_t minute) const { return minute >= first && minute < end; }
};
ContestPeriod ContestPeriodOf(int year);
// The year of the pass as the summary gives it: four digits from 1900, else none.
std::optional<int> ContestYearOf(const std::string& year);

}  // namespace reports
