// Which worked location codes light which State/Province boxes.
#include <gtest/gtest.h>

#include <map>

#include "engine/exchange_rules.h"
#include "engine/places.h"
#include "windows/stat_prov_boxes.h"

using namespace engine;
using namespace windows;

namespace {

// The captions of the boxes lit by the worked codes, in id order.
std::vector<std::string> LitCaptions(const std::vector<std::string>& workedCodes) {
    const StatProvFlags flags = FlagsFromWorkedCodes(workedCodes);
    std::vector<std::string> lit;
    for (std::size_t i = 0; i < kStatProvBoxCount; ++i) {
        EXPECT_TRUE(flags[i] == 0 || flags[i] == 1) << kStatProvCaptions[i];
        if (flags[i]) {
            lit.push_back(kStatProvCaptions[i]);
        }
    }
    return lit;
}

}  // namespace

TEST(StatProvBoxes, CaptionsRunInControlIdOrder) {
    struct Case {
        int id;
        const char* caption;
    } const cases[] = {
        {1016, "AL"},  {1017, "MD"},  {1018, "AR"},  {1039, "IN"},  {1063, "WY"},
        {1064, "AB"},  {1071, "NWT"}, {1077, "PEI"}, {1084, "COA"}, {1085, "COL"},
        {1086, "DFE"}, {1109, "ZAC"}, {1110, "R1"},  {1112, "R3"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.caption, kStatProvCaptions[c.id - 1016]) << c.id;
    }
}

// Every box of the window is the box of one place, and every box that a
// place names is one of the window's.
TEST(StatProvBoxes, EveryBoxIsOnePlacesBox) {
    std::map<std::string, int> places;
    for (const Place& place : kPlaces) {
        ForEachBox(place, [&](const char* box) { ++places[box]; });
    }
    std::map<std::string, int> expected;
    for (const char* caption : kStatProvCaptions) {
        expected[caption] = 1;
    }
    EXPECT_EQ(expected, places);
}

TEST(StatProvBoxes, EveryAcceptedCodeLightsItsBox) {
    // The codes whose box has another caption, and the codes without a box.
    const std::map<std::string, std::vector<std::string>> exceptions = {
        {"NL", {"LB", "NF"}}, {"NT", {"NWT"}}, {"PE", {"PEI"}}, {"DF", {"DFE"}},
        {"AK", {}},           {"HI", {}},      {"DC", {}},
    };
    for (const char* const* code = MultCodeTable; *code; ++code) {
        SCOPED_TRACE(*code);
        const auto exception = exceptions.find(*code);
        const std::vector<std::string> expected =
            exception != exceptions.end() ? exception->second : std::vector<std::string>{*code};
        EXPECT_EQ(expected, LitCaptions({*code}));
    }
}

TEST(StatProvBoxes, EveryBoxCanBeLit) {
    const std::vector<std::string> all(MultCodeTable, MultCodeTable + kMultCodeCount);
    const StatProvFlags flags = FlagsFromWorkedCodes(all);
    for (std::size_t i = 0; i < kStatProvBoxCount; ++i) {
        EXPECT_EQ(1, flags[i]) << kStatProvCaptions[i];
    }
}

TEST(StatProvBoxes, OnlyExactCodesLightBoxes) {
    struct Case {
        std::vector<std::string> worked;
        std::vector<std::string> lit;
    } const cases[] = {
        {{"DF", "DFE"}, {"DFE"}},                      // both codes, one box
        {{"CMX"}, {"DFE"}},                            // and Mexico City's code of today
        {{"LB", "NF", "NWT", "PEI", "WT", "EI"}, {}},  // captions that are no codes
        {{"SL", "tx", "TX ", "R4", ""}, {}},
        {{"TX", "MA", "NL", "R2", "MA"}, {"MA", "TX", "LB", "NF", "R2"}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.worked));
        EXPECT_EQ(c.lit, LitCaptions(c.worked));
    }
}
