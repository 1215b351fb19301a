// CheckCall0's result codes against the stored QSOs.
#include <gtest/gtest.h>

#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"

namespace {

class CallCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAsHost();
        QsoArgs cw;  // K1ABC, CW, prefix K, 10m
        AddAsHost(cw);
        QsoArgs dl;
        dl.call = "DL1ABC";
        dl.prefix = "DL";
        dl.mode = "SSB";
        dl.exchRcvd = "001";
        AddAsHost(dl);
    }

    ScratchDir m_Dir;
};

}  // namespace

TEST_F(CallCheck, AnswersFromTheStore) {
    struct Case {
        const char* call;
        const char* mode;
        const char* prefix;
        const char* band;
        const char* refBand;
        int expected;
    } const cases[] = {
        {"K1ABC", "CW", "K", "10m", "10m", 0},    // duplicate
        {"K1ABC", "CW", "K", "10m", nullptr, 0},  // no reference band
        {"K1ABC", "CW", "K", "10m", "10M", 0},    // bands agree without regard to case
        {"K1ABC", "SSB", "K", "10m", "10m", 2},   // other mode: no K in SSB yet
        {"K2XYZ", "CW", "K", "10m", "10m", 1},    // country worked in CW
        {"k1abc", "CW", "K", "10m", "10m", 1},    // case matters: not a duplicate
        {"DL2XX", "SSB", "DL", "10m", "10m", 1}, {"DL2XX", "CW", "DL", "10m", "10m", 2},
        {"K1ABC", "CW", "K", "15m", "15m", 1},  // another band is not a duplicate
        {"K1ABC", "CW", "K", "10m", "15m", 4},  // band disagreement wins
        {"K1ABC", "CW", "K", "10m", "", 4},     //
        {"G4ABC", "CW", "G", "10m", "10m", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, CheckAsHost(c.call, c.mode, c.prefix, c.band, c.refBand))
            << c.call << " " << c.mode << " " << c.prefix << " " << c.band << "/"
            << (c.refBand ? c.refBand : "(null)");
    }
}

TEST_F(CallCheck, EmptyStoreGivesNewCountry) {
    ResetAsHost();
    EXPECT_EQ(2, CheckAsHost("K1ABC", "CW", "K", "10m", "10m"));
    EXPECT_EQ(4, CheckAsHost("K1ABC", "CW", "K", "10m", "15m"));
}

TEST_F(CallCheck, MissingStringsAreEmpty) {
    EXPECT_EQ(2, CheckAsHost(nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(2, CheckAsHost(nullptr, nullptr, nullptr, nullptr, "10m"));
    QsoArgs blank;
    blank.call = "";
    blank.prefix = "";
    AddAsHost(blank);
    EXPECT_EQ(0, CheckAsHost(nullptr, "CW", nullptr, "10m", nullptr));
    EXPECT_EQ(1, CheckAsHost(nullptr, "CW", nullptr, nullptr, nullptr));
}
