// The table of places: each name stands for one place, and the sponsor's
// lists that it gives.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "engine/places.h"
#include "reports/sponsor_rules.h"

using namespace engine;
using namespace reports;

TEST(Places, EveryNameStandsForOnePlace) {
    std::map<std::string, std::string> placeOfName;
    for (const Place& place : kPlaces) {
        const auto name = [&](const char* n) {
            SCOPED_TRACE(n);
            EXPECT_TRUE(placeOfName.emplace(n, place.code).second) << "also " << placeOfName[n];
            ASSERT_NE(nullptr, PlaceNamed(n));
            EXPECT_STREQ(place.code, PlaceNamed(n)->code);
        };
        name(place.code);
        ForEachName(place.alsoSent, name);
    }
    for (const char* none : {"", "ma", "MA ", "SL", "NWT", "PEI", "XE", "R4"}) {
        EXPECT_EQ(nullptr, PlaceNamed(none)) << none;
    }
}

// The sponsor's lists as its rules write them, and what it makes of the
// names that stations send.
TEST(Places, TheSponsorsListsComeFromTheTable) {
    const std::map<MultKind, std::string> lists = {
        {MultKind::State,
         "AK AL AR AZ CA CO CT DE FL GA HI IA ID IL IN KS KY LA MA MD ME MI MN MO MS MT NC ND NE "
         "NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA VT WA WI WV WY DC"},
        {MultKind::Canadian, "ON QC NS NB MB BC PE SK AB NF LB NT YT NU"},
        {MultKind::Mexican,
         "AGS BAC BCS CAM CHI CHH COA COL CMX DGO EMX GTO GRO HGO JAL MIC MOR NAY NLE OAX PUE QRO "
         "QUI SLP SIN SON TAB TAM TLX VER YUC ZAC"},
        {MultKind::ItuRegion, "R1 R2 R3"},
    };
    std::map<MultKind, std::string> listed;
    for (const Place& place : kPlaces) {
        const auto add = [&](const char* name) {
            const std::optional<MultKind> kind = SponsorCodeKind(name);
            if (kind && SponsorCode(name) == name) {
                std::string& list = listed[*kind];
                list += (list.empty() ? "" : " ") + std::string(name);
            }
        };
        add(place.code);
        ForEachName(place.alsoSent, add);
    }
    EXPECT_EQ(lists, listed) << "NL is unlisted";
    struct Case {
        const char* sent;
        const char* read;
    } const cases[] = {{"DF", "CMX"}, {"DFE", "CMX"}, {"NF", "NF"}, {"NL", "NL"}, {"XX", "XX"}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.read, SponsorCode(c.sent)) << c.sent;
    }
}

TEST(Places, StationsThatAreNoDxccMultiplier) {
    const std::map<std::string, std::string> expected = {
        {"K", ""}, {"VE", ""}, {"XE", ""}, {"KH6", "HI"}, {"KL7", "AK"}, {"KL", "AK"}};
    for (const char* prefix : {"K", "VE", "XE", "KH6", "KL7", "KL", "KP4", "W", "DL", ""}) {
        const SponsorRules::HomeStation* home = HomeStationOf(prefix);
        const auto it = expected.find(prefix);
        ASSERT_EQ(it != expected.end(), home != nullptr) << prefix;
        if (home) {
            EXPECT_EQ(it->second, home->state ? home->state : "") << prefix;
        }
    }
}
