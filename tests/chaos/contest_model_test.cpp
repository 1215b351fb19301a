// The randomised host's model of the contest's rules, against what the rules'
// own scripts wrote for the sample and the real logs, and on the odd values
// that only the randomised host sends.
#include "host/chaos/contest_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "host/replay/replay_log.h"
#include "tests/common/scratch_dir.h"

using namespace platform;

namespace {

ChaosQso FromReplay(const HostQso& q) {
    ChaosQso qso;
    qso.myCall = q.myCall;
    qso.call = q.call;
    qso.time.value = q.qsoTime;
    qso.time.key = ContestModel::MomentKey(&q.qsoTime);
    qso.freqHz = q.freqHz;
    qso.mode = q.mode;
    qso.rstSent = q.rstSent;
    qso.rstRcvd = q.rstRcvd;
    qso.exchSent = q.exchSent;
    qso.exchRcvd = q.exchRcvd;
    qso.prefix = q.prefix;
    qso.band = q.band;
    return qso;
}

ChaosQso Qso(const char* call, const char* mode, const char* prefix, const char* exchange,
             double time = 45269.25) {
    ChaosQso qso;
    qso.call = call;
    qso.mode = mode;
    qso.prefix = prefix;
    qso.exchRcvd = exchange;
    qso.exchSent = "MA";
    qso.band = "10m";
    qso.time.value = COleDateTime(time);
    qso.time.key = ContestModel::MomentKey(&qso.time.value);
    return qso;
}

struct LoggedContest {
    const char* name;  // below samples/, without the extension
    const char* extension;
};

class ModelOfALog : public ::testing::TestWithParam<LoggedContest> {};

}  // namespace

// Every QSO of the log taken in as AddData0 does: what the model stores and
// the totals it counts are what the rules' scripts wrote.
TEST_P(ModelOfALog, StoresAndCountsAsTheRules) {
    const std::string base = std::string(SAMPLES_DIR) + "/" + GetParam().name;
    const Result<CountryTable> countries = CountryTable::Load(kDebianCountryFile);
    ASSERT_TRUE(countries.Ok()) << countries.Error();
    const auto log = LoadReplayLog(base + GetParam().extension, countries.Value(), "N0CALL");
    ASSERT_TRUE(log.Ok()) << log.Error();
    ContestModel model;
    int stored = 0;
    for (const HostQso& qso : log.Value().qsos) {
        stored += model.Add(FromReplay(qso));
    }
    ContestModel::Totals due;
    ASSERT_TRUE(ContestModel::ReadTotals(ReadFileBytes(base + ".summary.txt"), due));
    EXPECT_EQ(ContestModel::Describe(due), ContestModel::Describe(model.ExpectedTotals()));
    EXPECT_EQ(static_cast<std::size_t>(stored), model.Stored());
}

INSTANTIATE_TEST_SUITE_P(, ModelOfALog,
                         ::testing::Values(LoggedContest{"arrl10m-sample", ".adi"},
                                           LoggedContest{"real-logs/VE3EJ", ".log"},
                                           LoggedContest{"real-logs/HK3RD", ".log"}),
                         [](const ::testing::TestParamInfo<LoggedContest>& info) {
                             return std::string(info.param.extension) == ".adi"
                                        ? "Sample"
                                        : "RealLog" + std::to_string(info.index);
                         });

TEST(ContestModel, MomentsAsALogKeepsThem) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct Case {
        const char* what;
        COleDateTime time;
        bool missing;
        const char* key;
    } cases[] = {
        {"a contest second", COleDateTime(45269.5), false, "45269:43200"},
        {"the last half second rounds up", COleDateTime(45269.0 + 86399.5 / 86400), false,
         "45270:0"},
        {"before 1899-12-30, the fraction counts forward", COleDateTime(-1.25), false, "-1:21600"},
        {"0100-01-01", COleDateTime(-657434.0), false, "-657434:0"},
        {"before the year 100", COleDateTime(-657435.0), false, "out"},
        {"9999-12-31", COleDateTime(2958465.0), false, "2958465:0"},
        {"rounded into the year 10000", COleDateTime(2958465.9999999), false, "out"},
        {"not a number", COleDateTime(nan), false, "out"},
        {"not valid", COleDateTime(45269.5, COleDateTime::invalid), false, "s1"},
        {"null", COleDateTime(1.0, COleDateTime::null), false, "s2"},
        {"a status of the host's own", COleDateTime(1.0, COleDateTime::DateTimeStatus(7)), false,
         "s7"},
        {"no date-time at all", COleDateTime(), true, "s2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.key, ContestModel::MomentKey(c.missing ? nullptr : &c.time));
    }
}

TEST(ContestModel, AcceptableExchanges) {
    const struct Case {
        const char* exchange;
        const char* prefix;
        int flag;
        int due;
    } cases[] = {
        {"MA", "K", 0, 1},         {"NF", "VE", 0, 1},    {"LB", "K", 0, 1},   {"MA", "DL", 0, 0},
        {"ma", "K", 0, 0},         {"JAL", "K", 0, 0},    {"001", "DL", 0, 1}, {"1234", "K", 0, 1},
        {"599", "DL", 0, 0},       {"12345", "DL", 0, 0}, {"12a", "DL", 0, 0}, {"MA", "K", 1, 0},
        {"001", "DL", INT_MIN, 0}, {"", "K", 0, 0},       {"SON", "XE", 0, 1}, {"CMX", "XE", 0, 1},
        {"DF", "K", 0, 1},         {"CMX", "K", 0, 0},    {"12", "XE", 0, 0},  {"7", "DL", 0, 1},
        {"R1", "DL", 0, 1},        {"HI", "KH6", 0, 1},   {"AK", "KL", 0, 1},  {"AK", "KH6", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.exchange) + " from " + c.prefix);
        EXPECT_EQ(c.due, ContestModel::ExpectedValidExchange(c.exchange, c.prefix, c.flag));
    }
}

// Which QSO a removal takes out, and what call checks answer afterwards.
TEST(ContestModel, RemovalAndCallChecks) {
    ContestModel model;
    model.Add(Qso("K1AB", "CW", "K", "CT", 45269.25));
    model.Add(Qso("K1AB", "CW", "K", "NY", 45269.5));
    model.Add(Qso("G4XY", "SSB", "G", "001"));
    model.Remove(Qso("K1AB", "CW", "K", "", 45269.5));    // the second, by its second
    model.Remove(Qso("G4XY", "CW", "G", "001"));          // another mode: none
    model.Remove(Qso("K1AB", "CW", "K", "CT", 45270.0));  // another second: none
    EXPECT_EQ(2u, model.Stored());
    const struct Case {
        const char* call;
        const char* mode;
        const char* prefix;
        ArgText band;
        ArgText refBand;
        int due;
    } cases[] = {
        {"K1AB", "CW", "K", "10m", "10m", 0},    {"K1AB", "SSB", "K", "10m", "10m", 2},
        {"W2CD", "CW", "K", "10m", "10m", 1},    {"G4XY", "SSB", "G", "10m", nullptr, 0},
        {"G4XY", "SSB", "G", "10m", "10M", 0},   {"G4XY", "SSB", "G", "10m", "15m", 4},
        {"G4XY", "SSB", "G", nullptr, "15m", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.call) + " " + c.mode);
        EXPECT_EQ(c.due, model.ExpectedCheck(c.call, c.mode, c.prefix, c.band, c.refBand));
    }
    EXPECT_EQ("2 QSOs, 6 points, 2 DXCC, 1 codes, K 1, VE 0, score 18",
              ContestModel::Describe(model.ExpectedTotals()));
}

// A maritime-mobile station's region, sent as its code or its number alone,
// is one multiplier per mode; a number from anyone else is no code.
TEST(ContestModel, MaritimeRegionsByTheirNumbers) {
    ContestModel model;
    for (const ChaosQso& qso : {Qso("G3A/MM", "CW", "G", "R1"), Qso("DL1B/MM", "CW", "DL", "1"),
                                Qso("W7C/MM", "SSB", "K", " 2 "), Qso("JA2D/MM", "CW", "JA", "4"),
                                Qso("K1E", "CW", "K", "3")}) {
        EXPECT_EQ(1, model.Add(qso));
    }
    EXPECT_EQ("3 QSOs, 10 points, 3 DXCC, 2 codes, K 1, VE 0, score 50",
              ContestModel::Describe(model.ExpectedTotals()));
}

TEST(ContestModel, TotalsLineOfASummary) {
    ContestModel::Totals totals;
    EXPECT_TRUE(ContestModel::ReadTotals(
        "Band\t...\r\nTotal\t 3\t 10\t 3\t 2\t 2\t 0\r\nScore = 10 *( 3 + 2) = 50 \r\n", totals));
    EXPECT_EQ("3 QSOs, 10 points, 3 DXCC, 2 codes, K 2, VE 0, score 50",
              ContestModel::Describe(totals));
    EXPECT_FALSE(ContestModel::ReadTotals("no totals", totals));
    EXPECT_FALSE(ContestModel::ReadTotals(
        "x\r\nTotal\t 3\t 10\t 3\t 2\t 2\t 0\r\nScore = 9 *( 3 + 2) = 50 \r\n", totals));
}
