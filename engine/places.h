#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

// The locations that the exchange names: every fact the module and the
// sponsor's check know of a location code, in one table. The code table of
// the exchange rules, the intake, the sponsor's lists, the State/Province
// boxes and the Cabrillo header's LOCATION list all read it, so that a
// change of the sponsor's lists is one edit here.

enum class PlaceKind {
    UsState,
    District,  // the District of Columbia, which the sponsor lists with the states
    Canadian,  // a province or territory
    Mexican,
    Region,  // an IARU region, sent by maritime mobile stations
};

// How the contest's sponsor counts a place.
enum class SponsorCount {
    AsCode,        // under its code, whichever of its names was sent
    EachNameSent,  // each name sent for it apart; the code itself is no multiplier
};

struct Place {
    static constexpr std::size_t kMaxNames = 2;
    // A place shown by no State/Province box.
    static constexpr const char* kNoBox = "";

    // The multiplier the module counts it as.
    const char* code;
    PlaceKind kind;
    // The captions of the State/Province boxes it lights; none given: the box
    // of its code; kNoBox: none.
    const char* boxes[kMaxNames] = {};
    // Other names that stations send for it.
    const char* alsoSent[kMaxNames] = {};
    SponsorCount sponsor = SponsorCount::AsCode;
    // Whether the exchange rules' code table lists it under those other
    // names rather than under its code.
    bool listedAsSent = false;
    // The DXCC prefixes that country files give it as an entity of its own.
    const char* ownPrefixes[kMaxNames] = {};
};

// In the order of the exchange rules' code table.
inline constexpr Place kPlaces[] = {
    // US states and the District of Columbia. Alaska and Hawaii have no box,
    // and country files give them prefixes of their own.
    {"AK", PlaceKind::UsState, {Place::kNoBox}, {}, SponsorCount::AsCode, false, {"KL7", "KL"}},
    {"AL", PlaceKind::UsState},
    {"AR", PlaceKind::UsState},
    {"AZ", PlaceKind::UsState},
    {"CA", PlaceKind::UsState},
    {"CO", PlaceKind::UsState},
    {"CT", PlaceKind::UsState},
    {"DE", PlaceKind::UsState},
    {"FL", PlaceKind::UsState},
    {"GA", PlaceKind::UsState},
    {"HI", PlaceKind::UsState, {Place::kNoBox}, {}, SponsorCount::AsCode, false, {"KH6"}},
    {"IA", PlaceKind::UsState},
    {"ID", PlaceKind::UsState},
    {"IL", PlaceKind::UsState},
    {"IN", PlaceKind::UsState},
    {"KS", PlaceKind::UsState},
    {"KY", PlaceKind::UsState},
    {"LA", PlaceKind::UsState},
    {"MA", PlaceKind::UsState},
    {"MD", PlaceKind::UsState},
    {"ME", PlaceKind::UsState},
    {"MI", PlaceKind::UsState},
    {"MN", PlaceKind::UsState},
    {"MO", PlaceKind::UsState},
    {"MS", PlaceKind::UsState},
    {"MT", PlaceKind::UsState},
    {"NC", PlaceKind::UsState},
    {"ND", PlaceKind::UsState},
    {"NE", PlaceKind::UsState},
    {"NH", PlaceKind::UsState},
    {"NJ", PlaceKind::UsState},
    {"NM", PlaceKind::UsState},
    {"NV", PlaceKind::UsState},
    {"NY", PlaceKind::UsState},
    {"OH", PlaceKind::UsState},
    {"OK", PlaceKind::UsState},
    {"OR", PlaceKind::UsState},
    {"PA", PlaceKind::UsState},
    {"RI", PlaceKind::UsState},
    {"SC", PlaceKind::UsState},
    {"SD", PlaceKind::UsState},
    {"TN", PlaceKind::UsState},
    {"TX", PlaceKind::UsState},
    {"UT", PlaceKind::UsState},
    {"VA", PlaceKind::UsState},
    {"VT", PlaceKind::UsState},
    {"WA", PlaceKind::UsState},
    {"WI", PlaceKind::UsState},
    {"WV", PlaceKind::UsState},
    {"WY", PlaceKind::UsState},
    {"DC", PlaceKind::District, {Place::kNoBox}},
    // Canadian provinces and territories. Newfoundland and Labrador stations
    // send "NF" or "LB", which the sponsor counts apart.
    {"ON", PlaceKind::Canadian},
    {"QC", PlaceKind::Canadian},
    {"NS", PlaceKind::Canadian},
    {"NB", PlaceKind::Canadian},
    {"MB", PlaceKind::Canadian},
    {"BC", PlaceKind::Canadian},
    {"PE", PlaceKind::Canadian, {"PEI"}},
    {"SK", PlaceKind::Canadian},
    {"AB", PlaceKind::Canadian},
    {"NL", PlaceKind::Canadian, {"NF", "LB"}, {"NF", "LB"}, SponsorCount::EachNameSent},
    {"NT", PlaceKind::Canadian, {"NWT"}},
    {"YT", PlaceKind::Canadian},
    {"NU", PlaceKind::Canadian},
    // Mexican states. Mexico City is "CMX" since 2016; the code table lists
    // the federal district's older codes, which stations still send.
    {"AGS", PlaceKind::Mexican},
    {"BAC", PlaceKind::Mexican},
    {"BCS", PlaceKind::Mexican},
    {"CAM", PlaceKind::Mexican},
    {"CHI", PlaceKind::Mexican},
    {"CHH", PlaceKind::Mexican},
    {"COA", PlaceKind::Mexican},
    {"COL", PlaceKind::Mexican},
    {"CMX", PlaceKind::Mexican, {"DFE"}, {"DFE", "DF"}, SponsorCount::AsCode, true},
    {"DGO", PlaceKind::Mexican},
    {"EMX", PlaceKind::Mexican},
    {"GTO", PlaceKind::Mexican},
    {"GRO", PlaceKind::Mexican},
    {"HGO", PlaceKind::Mexican},
    {"JAL", PlaceKind::Mexican},
    {"MIC", PlaceKind::Mexican},
    {"MOR", PlaceKind::Mexican},
    {"NAY", PlaceKind::Mexican},
    {"NLE", PlaceKind::Mexican},
    {"OAX", PlaceKind::Mexican},
    {"PUE", PlaceKind::Mexican},
    {"QRO", PlaceKind::Mexican},
    {"QUI", PlaceKind::Mexican},
    {"SLP", PlaceKind::Mexican},
    {"SIN", PlaceKind::Mexican},
    {"SON", PlaceKind::Mexican},
    {"TAB", PlaceKind::Mexican},
    {"TAM", PlaceKind::Mexican},
    {"TLX", PlaceKind::Mexican},
    {"VER", PlaceKind::Mexican},
    {"YUC", PlaceKind::Mexican},
    {"ZAC", PlaceKind::Mexican},
    // IARU regions
    {"R1", PlaceKind::Region},
    {"R2", PlaceKind::Region},
    {"R3", PlaceKind::Region},
};

// The DXCC prefix of the country whose stations send the codes of a kind;
// null for the regions, which maritime mobile stations send.
constexpr const char* HomePrefixOf(PlaceKind kind) {
    switch (kind) {
        case PlaceKind::UsState:
        case PlaceKind::District:
            return "K";
        case PlaceKind::Canadian:
            return "VE";
        case PlaceKind::Mexican:
            return "XE";
        case PlaceKind::Region:
            break;
    }
    return nullptr;
}

// The place a name stands for: its code, an entry of the code table, or
// another name sent for it, byte for byte. Null for anything else.
const Place* PlaceNamed(std::string_view name);

// Calls fn with each name of the list that is given.
template <typename Fn>
constexpr void ForEachName(const char* const (&names)[Place::kMaxNames], Fn fn) {
    for (const char* name : names) {
        if (name) {
            fn(name);
        }
    }
}

// The place's entries in the code table, and its box captions, as the
// comments on Place say.
template <typename Fn>
constexpr void ForEachListedName(const Place& place, Fn fn) {
    if (place.listedAsSent) {
        ForEachName(place.alsoSent, fn);
    } else {
        fn(place.code);
    }
}
template <typename Fn>
void ForEachBox(const Place& place, Fn fn) {
    if (!place.boxes[0]) {
        fn(place.code);
    } else if (std::string_view(place.boxes[0]) != Place::kNoBox) {
        ForEachName(place.boxes, fn);
    }
}

}  // namespace engine
