// The exports that keep no state, as the host calls them.
#include <gtest/gtest.h>

#include "tests/common/module_exports.h"

TEST(EntryPoints, OfferOneRuleSet) {
    EXPECT_EQ(1, Module().GetNumberOfSets());
    EXPECT_STREQ("ARRL 10 Meter Contest (C)", Module().GetSetName(0));
    for (int set : {1, -1, 2147483647}) {
        EXPECT_STREQ("", Module().GetSetName(set)) << "set " << set;
    }
}

TEST(EntryPoints, ExchangeIsOneFieldWhateverTheArguments) {
    EXPECT_EQ(1, Module().GetExchgCount0(nullptr, nullptr, nullptr));
    EXPECT_EQ(1, Module().GetExchgCount0("a", "b", "c"));
}

TEST(EntryPoints, IsValidExchangeFollowsTheContestRules) {
    struct Case {
        const char* exchange;
        const char* prefix;
        int flag;
        int expected;
    } const cases[] = {
        {"599", "K", 0, 0},    // the report is not a serial number
        {"5990", "K", 0, 1},   // four digits
        {"0599", "K", 0, 1},   //
        {"59", "K", 0, 0},     // two characters, not in the table
        {"12A", "K", 0, 0},    // three characters, not all digits
        {"1234", "", 0, 1},    // a serial number needs no prefix
        {"1234", "DL", 0, 1},  //
        {"001", "DL", 0, 1},   // leading zeros
        {"MA", "K", 0, 1},     // a state from the US
        {"MA", "VE", 0, 1},    // and from Canada
        {"MA", "W", 0, 0},     // other prefixes send serial numbers
        {"MA", "XE", 0, 0},    //
        {"R2", "VE", 0, 1},    // a region
        {"AGS", "K", 0, 0},    // a Mexican state from the US
        {"DF", "K", 0, 1},     //
        // clang-format off
        // Mexico: its states (Mexico City under its codes old and new), regions and
        // serial numbers of three digits or more, not the table's neighbours of its states
        {"AGS", "XE", 0, 1}, {"ZAC", "XE", 0, 1}, {"DF", "XE", 0, 1}, {"DFE", "XE", 0, 1},
        {"CMX", "XE", 0, 1}, {"cmx", "XE", 0, 0}, {"R1", "XE", 0, 1}, {"NU", "XE", 0, 0},
        {"12", "XE", 0, 0}, {"123", "XE", 0, 1}, {"CMX", "K", 0, 0}, {"CMX", "VE", 0, 0},
        // Elsewhere: serial numbers of one to four digits, regions, and Hawaii and
        // Alaska under the prefixes of their own
        {"7", "DL", 0, 1}, {"41", "DL", 0, 1}, {"0", "", 0, 1}, {"41", "K", 0, 0},
        {"7", "VE", 0, 0}, {"599", "DL", 0, 0}, {"12345", "DL", 0, 0}, {"CMX", "DL", 0, 0},
        {"R3", "DL", 0, 1}, {"R4", "DL", 0, 0}, {"HI", "KH6", 0, 1}, {"AK", "KL7", 0, 1},
        {"AK", "KL", 0, 1}, {"HI", "KL7", 0, 0}, {"AK", "KH6", 0, 0}, {"HI", "DL", 0, 0},
        {"LB", "DL", 0, 0}, {"CMX", "XE", 1, 0}, {"7", "DL", 1, 0},
        // clang-format on
        {"NL", "VE", 0, 1},    // Newfoundland and Labrador, as the table has it
        {"NF", "VE", 0, 1},    // and as its stations send it
        {"LB", "K", 0, 1},     //
        {"nf", "VE", 0, 0},    //
        {"LB", "XE", 0, 0},    //
        {"NFL", "VE", 0, 0},   //
        {"1234", "K", 1, 0},   // the flag rejects everything
        {"MA", "K", 1, 0},     //
        {"CA ", "K", 0, 0},    // white space is not trimmed here
        {" CA", "K", 0, 0},    //
        {"tx", "K", 0, 0},     // case is not folded here
        {"TX", "K", 0, 1},     //
        {"TX", "k", 0, 0},     // nor in the prefix
        {"", "K", 0, 0},       // lengths 0, 1 and 5 or more
        {"T", "K", 0, 0},      //
        {"12345", "K", 0, 0},  //
        {"1\xB2"
         "3",
         "K", 0, 0},           // a byte above 0x7F is no digit
        {nullptr, "K", 0, 0},  // a missing exchange is empty
        {"1234", nullptr, 0, 1},
        {"TX", nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, Module().IsValidExchg0(c.exchange, "x", c.prefix, "y", 5, 6, c.flag))
            << "exchange '" << (c.exchange ? c.exchange : "(null)") << "' prefix '"
            << (c.prefix ? c.prefix : "(null)") << "' flag " << c.flag;
    }
}
