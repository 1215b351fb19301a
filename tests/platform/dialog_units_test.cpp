// Dialog units across and the widening of a dialog for its labels.
#include <gtest/gtest.h>

#include <vector>

#include "platform/dialog_units.h"

using namespace platform;

TEST(DialogUnits, ADialogWidensOnlyForTextsThatItsFontCuts) {
    const UnitsAcross font{6, 4};  // 201 units: 302 pixels
    struct Case {
        const char* name;
        std::vector<LabelRoom> labels;
        UnitsAcross expected;
    } const cases[] = {
        {"no labels", {}, font},
        {"every text has room", {{20, 30, 30}, {7, 11, 11}}, font},
        {"only a glyph's ink or a focus rectangle short of room", {{20, 30, 31}}, font},
        // 20 units of 317 / 201 are 32.04 pixels, of 316 / 201 only 31.94.
        {"one text cut: its room too", {{20, 31, 32}}, {317, 201}},
        {"the label that needs most sets the width",
         {{20, 31, 31}, {100, 160, 160}, {7, 11, 11}},
         {321, 201}},
        {"a control of no width has no room to give", {{0, 5, 5}}, font},
        {"nor is it given any", {{0, 5, 5}, {20, 31, 31}}, {307, 201}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const UnitsAcross units = WidenForLabels(font, 201, c.labels);
        EXPECT_EQ(c.expected.pixels, units.pixels);
        EXPECT_EQ(c.expected.per, units.per);
    }
}
