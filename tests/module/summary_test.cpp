// The score summary that GetResult0 returns, byte for byte.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"

using namespace platform;

namespace {

const std::string kTitle =
    "\t\tARRL 10 Meter Contest 2013 \r\n\t\t  Contestant: W1AW\r\n"
    "Band\tQSOs\tPoints\tDXCC State/Prov\t K \tVE\r\n";
const std::string kCredit = "Scored by the ARRL-10M_CW_SSB module " ARRL_MODULE_VERSION;

class Summary : public ::testing::Test {
protected:
    void SetUp() override { ResetAsHost(); }

    static void Add(const char* call, const char* mode, const char* prefix, const char* exchRcvd) {
        AddAsHost(MakeQso(call, mode, prefix, exchRcvd));
    }

    ScratchDir m_Dir;
};

}  // namespace

TEST_F(Summary, EmptyStoreGivesZerosAndNoCredit) {
    int flag = 77;
    EXPECT_EQ(kTitle +
                  "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
                  "Score = 0 *( 0 + 0) = 0 \r\n",
              ResultAsHost(&flag));
    EXPECT_EQ(77, flag) << "the flag is left alone outside report mode";
    EXPECT_EQ("0", SettingsValue("Claimed"));
}

TEST_F(Summary, CountsPointsMultipliersAndCountries) {
    Add("K1ABC", "CW", "K", "CA");
    Add("K2XYZ", "SSB", "K", "CA");
    Add("DL1ABC", "CW", "DL", "001");
    EXPECT_EQ(kTitle +
                  "10m\t 3\t 10\t\t\t 2\t 0\r\n"
                  "Total\t 3\t 10\t 3\t 2\t 2\t 0\r\n"
                  "Score = 10 *( 3 + 2) = 50 \r\n" +
                  kCredit,
              ResultAsHost());
    EXPECT_EQ("50", SettingsValue("Claimed"));
}

TEST_F(Summary, MultipliersCountOncePerModeOverTheWholeLog) {
    struct Case {
        std::vector<std::array<const char*, 4>> qsos;  // call, mode, prefix, exchange
        const char* row;
        const char* totals;
    } const cases[] = {
        {{{"K1A", "CW", "K", "MA"}},
         "10m\t 1\t 4\t\t\t 1\t 0\r\n",
         "Total\t 1\t 4\t 1\t 1\t 1\t 0\r\nScore = 4 *( 1 + 1) = 8 \r\n"},
        {{{"K1A", "SSB", "K", "MA"}},
         "10m\t 1\t 2\t\t\t 1\t 0\r\n",
         "Total\t 1\t 2\t 1\t 1\t 1\t 0\r\nScore = 2 *( 1 + 1) = 4 \r\n"},
        // The same country and code twice in CW count once.
        {{{"K1A", "CW", "K", "MA"}, {"K1B", "CW", "K", "ma"}},
         "10m\t 2\t 8\t\t\t 2\t 0\r\n",
         "Total\t 2\t 8\t 1\t 1\t 2\t 0\r\nScore = 8 *( 1 + 1) = 16 \r\n"},
        // A serial number adds its country and no location.
        {{{"DL1A", "SSB", "DL", "5"}},
         "10m\t 1\t 2\t\t\t 0\t 0\r\n",
         "Total\t 1\t 2\t 1\t 0\t 0\t 0\r\nScore = 2 *( 1 + 0) = 2 \r\n"},
        // Mexico counts in neither country column; Canada in VE.
        {{{"XE1A", "CW", "XE", "DF"}, {"VE3A", "CW", "VE", "ON"}},
         "10m\t 2\t 8\t\t\t 0\t 1\r\n",
         "Total\t 2\t 8\t 2\t 2\t 0\t 1\r\nScore = 8 *( 2 + 2) = 32 \r\n"},
        // An empty prefix is a country like any other.
        {{{"X1", "CW", "", "1"}, {"X2", "CW", "", "2"}},
         "10m\t 2\t 8\t\t\t 0\t 0\r\n",
         "Total\t 2\t 8\t 1\t 0\t 0\t 0\r\nScore = 8 *( 1 + 0) = 8 \r\n"},
        // A refused location code counts nowhere, but the QSO is stored.
        {{{"K1A", "CW", "K", "123"}},
         "10m\t 0\t 0\t\t\t 0\t 0\r\n",
         "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\nScore = 0 *( 0 + 0) = 0 \r\n"},
        // Newfoundland and Labrador is one province however it was sent.
        {{{"VO1A", "CW", "VE", "NF"}, {"VO2B", "CW", "VE", "lb"}, {"VE1C", "CW", "VE", "NL"}},
         "10m\t 3\t 12\t\t\t 0\t 3\r\n",
         "Total\t 3\t 12\t 1\t 1\t 0\t 3\r\nScore = 12 *( 1 + 1) = 24 \r\n"},
        // So is Mexico City, once per mode, under its codes old and new.
        {{{"XE1A", "CW", "XE", "CMX"},
          {"XE1B", "CW", "XE", "dfe"},
          {"XE1C", "SSB", "XE", "DF"},
          {"K1D", "SSB", "K", "cmx"}},
         "10m\t 4\t 12\t\t\t 1\t 0\r\n",
         "Total\t 4\t 12\t 3\t 2\t 1\t 0\r\nScore = 12 *( 3 + 2) = 60 \r\n"},
        // A maritime-mobile station's region, by its code or its number
        // alone, counts once per mode.
        {{{"G3A/MM", "CW", "G", "R1"},
          {"DL1B/MM", "CW", "DL", "1"},
          {"JA2C/MM", "CW", "JA", " 3 "},
          {"W7D/MM", "SSB", "K", "2"},
          {"W7E/MM", "SSB", "K", "r2"}},
         "10m\t 5\t 16\t\t\t 2\t 0\r\n",
         "Total\t 5\t 16\t 4\t 3\t 2\t 0\r\nScore = 16 *( 4 + 3) = 112 \r\n"},
        // A duplicate earns nothing, not even the code it sent.
        {{{"K1A", "CW", "K", "MA"}, {"K1A", "CW", "K", "CT"}},
         "10m\t 1\t 4\t\t\t 1\t 0\r\n",
         "Total\t 1\t 4\t 1\t 1\t 1\t 0\r\nScore = 4 *( 1 + 1) = 8 \r\n"},
        // The same station in the other mode, or in other letters, is no duplicate.
        {{{"K1A", "CW", "K", "MA"}, {"K1A", "SSB", "K", "MA"}, {"k1a", "CW", "K", "MA"}},
         "10m\t 3\t 10\t\t\t 3\t 0\r\n",
         "Total\t 3\t 10\t 2\t 2\t 3\t 0\r\nScore = 10 *( 2 + 2) = 40 \r\n"},
        // After a QSO that counts nowhere, the station's next QSO counts.
        {{{"K1A", "CW", "K", "XX"}, {"K1A", "CW", "K", "MA"}, {"K1A", "CW", "K", "MA"}},
         "10m\t 1\t 4\t\t\t 1\t 0\r\n",
         "Total\t 1\t 4\t 1\t 1\t 1\t 0\r\nScore = 4 *( 1 + 1) = 8 \r\n"},
        // So does a QSO without a callsign.
        {{{"", "CW", "DL", "1"}},
         "10m\t 0\t 0\t\t\t 0\t 0\r\n",
         "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\nScore = 0 *( 0 + 0) = 0 \r\n"},
    };
    for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        ResetAsHost();
        for (const auto& q : cases[i].qsos) {
            Add(q[0], q[1], q[2], q[3]);
        }
        EXPECT_EQ(kTitle + cases[i].row + cases[i].totals + kCredit, ResultAsHost());
    }
}

TEST_F(Summary, RefusedQsoLeavesARowOfZerosAndNoCredit) {
    Add("K1ABC", "FM", "K", "MA");
    EXPECT_EQ(kTitle +
                  "10m\t 0\t 0\t\t\t 0\t 0\r\n"
                  "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
                  "Score = 0 *( 0 + 0) = 0 \r\n",
              ResultAsHost());
}

TEST_F(Summary, RowStaysWhenEveryQsoWasRemoved) {
    Add("K1ABC", "CW", "K", "MA");
    RemoveAsHost(QsoArgs());
    EXPECT_EQ(kTitle +
                  "10m\t 0\t 0\t\t\t 0\t 0\r\n"
                  "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
                  "Score = 0 *( 0 + 0) = 0 \r\n",
              ResultAsHost());
}

// With the counted QSO gone, its duplicate counts in its place.
TEST_F(Summary, RemovingTheCountedQsoMakesTheDuplicateCount) {
    QsoArgs first = MakeQso("K1ABC", "CW", "K", "MA");
    QsoArgs again = MakeQso("K1ABC", "CW", "K", "CT");
    again.time = OleDate(2013, 12, 14, 5, 0);
    AddAsHost(first);
    AddAsHost(again);
    const std::string score = "Score = 4 *( 1 + 1) = 8 \r\n";
    EXPECT_NE(std::string::npos, ResultAsHost().find("Total\t 1\t 4\t 1\t 1\t 1\t 0\r\n" + score));
    RemoveAsHost(first);
    EXPECT_EQ(
        kTitle + "10m\t 1\t 4\t\t\t 1\t 0\r\nTotal\t 1\t 4\t 1\t 1\t 1\t 0\r\n" + score + kCredit,
        ResultAsHost());
}

TEST_F(Summary, RepeatedCallsGiveTheSameText) {
    Add("K1ABC", "CW", "K", "MA");
    const std::string first = ResultAsHost();
    WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini", "[Settings]\r\nClaimed=999\r\n");
    EXPECT_EQ(first, ResultAsHost());
    EXPECT_EQ("8", SettingsValue("Claimed"));
}

TEST_F(Summary, TitleTakesTheYearOfTheResetAndTheContestant) {
    struct Case {
        COleDateTime date1;
        const char* myCall;
        const char* title;
    } const cases[] = {
        {OleDate(2024, 12, 31, 23, 59), "VE3XYZ",
         "\t\tARRL 10 Meter Contest 2024 \r\n\t\t  Contestant: VE3XYZ\r\n"},
        {COleDateTime(0.0, COleDateTime::null), "",
         "\t\tARRL 10 Meter Contest  \r\n\t\t  Contestant: \r\n"},
        {COleDateTime(41622.0, COleDateTime::invalid), "W1AW",
         "\t\tARRL 10 Meter Contest Invalid DateTime \r\n\t\t  Contestant: W1AW\r\n"},
        {COleDateTime(1e300), "W1AW",
         "\t\tARRL 10 Meter Contest Invalid DateTime \r\n\t\t  Contestant: W1AW\r\n"},
    };
    for (const Case& c : cases) {
        ResetAsHost(0, c.myCall, c.date1);
        EXPECT_EQ(0u, ResultAsHost().find(c.title)) << c.title;
    }
    ResetAsHost(0, nullptr, OleDate(2013, 1, 1));
    EXPECT_EQ(0u, ResultAsHost().find("\t\tARRL 10 Meter Contest 2013 \r\n\t\t  Contestant: \r\n"));
}

TEST_F(Summary, ResetEmptiesTheStore) {
    Add("K1ABC", "CW", "K", "MA");
    ResetAsHost();
    EXPECT_EQ(kTitle +
                  "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
                  "Score = 0 *( 0 + 0) = 0 \r\n",
              ResultAsHost());
}
