#include "reports/sponsor_rules.h"

#include <cstring>
#include <vector>

#include "engine/places.h"
#include "platform/ole_date_time.h"

namespace reports {

const SponsorRules kSponsorRules = {
    4,
    2,
    48 * 60,
    36 * 60,
    30,
    {
        {&CabrilloHeader::m_CategoryOperator, "SINGLE-OP MULTI-OP CHECKLOG"},
        {&CabrilloHeader::m_CategoryAssisted, "ASSISTED NON-ASSISTED"},
        {&CabrilloHeader::m_CategoryPower, "QRP LOW HIGH"},
        {&CabrilloHeader::m_CategoryMode, "MIXED CW SSB"},
        {&CabrilloHeader::m_CategoryBand, "10M ALL"},
    },
    {"MULTI-OP", "MIXED"},
};

bool ListHolds(const char* list, const std::string& value) {
    if (value.empty() || value.find(' ') != std::string::npos) {
        return false;
    }
    const std::size_t length = value.size();
    for (const char* at = std::strstr(list, value.c_str()); at;
         at = std::strstr(at + 1, value.c_str())) {
        const bool starts = at == list || at[-1] == ' ';
        const bool ends = at[length] == '\0' || at[length] == ' ';
        if (starts && ends) {
            return true;
        }
    }
    return false;
}

namespace {

MultKind KindOf(engine::PlaceKind kind) {
    switch (kind) {
        case engine::PlaceKind::UsState:
        case engine::PlaceKind::District:
            return MultKind::State;
        case engine::PlaceKind::Canadian:
            return MultKind::Canadian;
        case engine::PlaceKind::Mexican:
            return MultKind::Mexican;
        case engine::PlaceKind::Region:
            break;
    }
    return MultKind::ItuRegion;
}

// Whether the sponsor lists the name as a multiplier of the place.
bool SponsorLists(const engine::Place& place, const std::string& name) {
    if (place.sponsor == engine::SponsorCount::AsCode) {
        return name == place.code;
    }
    bool listed = false;
    engine::ForEachName(place.alsoSent, [&](const char* sent) { listed |= name == sent; });
    return listed;
}

std::vector<SponsorRules::HomeStation> ListHomeStations() {
    std::vector<SponsorRules::HomeStation> stations;
    for (engine::PlaceKind kind :
         {engine::PlaceKind::UsState, engine::PlaceKind::Canadian, engine::PlaceKind::Mexican}) {
        stations.push_back({engine::HomePrefixOf(kind), nullptr});
    }
    for (const engine::Place& place : engine::kPlaces) {
        engine::ForEachName(place.ownPrefixes, [&](const char* prefix) {
            stations.push_back({prefix, place.code});
        });
    }
    return stations;
}

// Built as the module loads, not at a host thread's first use.
const std::vector<SponsorRules::HomeStation> g_HomeStations = ListHomeStations();

}  // namespace

std::string SponsorCode(const std::string& sent) {
    const engine::Place* place = engine::PlaceNamed(sent);
    return place && place->sponsor == engine::SponsorCount::AsCode ? place->code : sent;
}

std::optional<MultKind> SponsorCodeKind(const std::string& code) {
    const std::string read = SponsorCode(code);
    const engine::Place* place = engine::PlaceNamed(read);
    if (place && SponsorLists(*place, read)) {
        return KindOf(place->kind);
    }
    return std::nullopt;
}

const SponsorRules::HomeStation* HomeStationOf(const std::string& prefix) {
    for (const SponsorRules::HomeStation& station : g_HomeStations) {
        if (prefix == station.prefix) {
            return &station;
        }
    }
    return nullptr;
}

std::optional<MultKind> HomeListOf(const std::string& prefix) {
    const SponsorRules::HomeStation* home = HomeStationOf(prefix);
    if (!home) {
        return std::nullopt;
    }
    if (home->state) {
        return SponsorCodeKind(home->state);
    }
    // The stations without a state of their own: "K", "VE" and "XE".
    return prefix == "K"    ? MultKind::State
           : prefix == "VE" ? MultKind::Canadian
                            : MultKind::Mexican;
}

bool IsAnotherCountrysCode(const std::string& prefix, const std::string& code) {
    const std::optional<MultKind> home = HomeListOf(prefix);
    const std::optional<MultKind> kind = SponsorCodeKind(code);
    return home && kind && *kind != *home;
}

ContestPeriod ContestPeriodOf(int year) {
    constexpr int kDaysPerWeek = 7;
    constexpr int64_t kMinutesPerDay = 24 * 60;
    // Day 0 of the count is a Saturday. A weekend that begins on the first
    // Saturday of December, 1 to 7 December, is wholly in December.
    const int64_t december1 = platform::OleDayOf(year, 12, 1);
    const int64_t firstSaturday =
        december1 + (kDaysPerWeek - december1 % kDaysPerWeek) % kDaysPerWeek;
    const int64_t first = (firstSaturday + kDaysPerWeek) * kMinutesPerDay;
    return {first, first + kSponsorRules.periodMinutes};
}

std::optional<int> ContestYearOf(const std::string& year) {
    constexpr std::size_t kDigits = 4;
    constexpr int kFirstYear = 1900;  // day counts from here on are positive
    if (year.size() != kDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : year) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value >= kFirstYear ? std::optional<int>(value) : std::nullopt;
}

}  // namespace reports
