// The engine's state behind the exports: what the store, the band rows and
// the worked lists hold after the host's calls.
#include <gtest/gtest.h>

#include <filesystem>

#include <set>

#include "engine/exchange_rules.h"
#include "engine/qso_intake.h"
#include "exports/module_state.h"
#include "reports/score_summary.h"
#include "tests/common/fake_desktop.h"
#include "tests/common/host_calls.h"
#include "tests/common/module_exports.h"
#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"

using namespace platform;
using namespace engine;
using namespace reports;
using namespace exports;

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAsHost();
        m_Desktop.calls.clear();
    }
    ScratchDir m_Dir;
    FakeDesktop m_Desktop;
    // The log's data, its lock held to the end of the statement.
    ContestLog::Locked Data() { return ContestLog::Locked(m_Log); }

    ContestLog& m_Log = TheModule().m_Log;
    PassResults& m_Results = TheModule().m_Results;
};

}  // namespace

TEST_F(Engine, ResetRebuildsRowsAndPassValues) {
    AddAsHost(QsoArgs());
    ResetAsHost(1, "N0CALL", OleDate(2019, 12, 14));
    EXPECT_EQ(0u, Data()->m_InfoLog.GetSize());
    EXPECT_TRUE(Data()->m_Bands.empty());
    ASSERT_EQ(6u, Data()->m_BandRows.size());
    const char* bands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ((std::vector<std::string>{bands[i], "-", "-", "-", "-"}), Data()->m_BandRows[i]);
    }
    EXPECT_EQ(1, Data()->m_ReportMode);
    EXPECT_EQ("N0CALL", Data()->m_Contestant);
    EXPECT_EQ("2019", Data()->m_ContestYear);
}

TEST_F(Engine, StoredRecordCarriesTheHostsValues) {
    QsoArgs q = MakeQso("K1ABC", "CW", "K", " ma ");
    q.freqHz = 28012999;
    q.time = COleDateTime(41622.25, COleDateTime::invalid);
    ASSERT_EQ(1, AddAsHost(q));
    ASSERT_EQ(1u, Data()->m_InfoLog.GetSize());
    const CInfo r = Data()->m_InfoLog[0];
    EXPECT_EQ("K1ABC", r.m_Call);
    EXPECT_EQ("K", r.m_Prefix);
    EXPECT_EQ("10m", r.m_Band);
    EXPECT_EQ("CW", r.m_Mode);
    EXPECT_EQ("599", r.m_RstRcvd);
    EXPECT_EQ("599", r.m_RstSent);
    EXPECT_EQ(" ma ", r.m_ExchRcvd);
    EXPECT_EQ("MA", r.m_ExchSent);
    EXPECT_EQ("MA", r.m_MultCode);
    EXPECT_EQ(28012, r.m_FreqKHz);
    EXPECT_EQ(COleDateTime(41622.25, COleDateTime::invalid), r.m_Time);
    EXPECT_EQ(0, r.m_CodeError);

    ASSERT_EQ(1, AddAsHost(MakeQso("K1ABC", "CW", "K", "123")));
    EXPECT_EQ("", Data()->m_InfoLog[1].m_MultCode);
    EXPECT_EQ(1, Data()->m_InfoLog[1].m_CodeError);
}

TEST_F(Engine, RemovalTakesOnlyTheQsoOfTheSameSecond) {
    QsoArgs first = MakeQso("K1ABC", "CW", "K", "MA");
    QsoArgs second = first;
    second.time = OleDate(2013, 12, 14, 1, 0);
    QsoArgs third = first;
    third.time = OleDate(2013, 12, 14, 2, 0);
    AddAsHost(first);
    AddAsHost(second);
    AddAsHost(third);

    QsoArgs other = first;
    for (COleDateTime time : {OleDate(2000, 1, 1), OleDate(2013, 12, 14, 1, 0, 1),
                              COleDateTime(second.time.m_dt, COleDateTime::invalid)}) {
        other.time = time;
        RemoveAsHost(other);
    }
    other.nullTime = true;
    RemoveAsHost(other);
    ASSERT_EQ(3u, Data()->m_InfoLog.GetSize()) << "no QSO of another time is taken instead";

    other.nullTime = false;
    other.time = COleDateTime(second.time.m_dt + 0.3 / 86400);  // logs keep whole seconds
    RemoveAsHost(other);
    ASSERT_EQ(2u, Data()->m_InfoLog.GetSize());
    EXPECT_EQ(first.time, Data()->m_InfoLog[0].m_Time);
    EXPECT_EQ(third.time, Data()->m_InfoLog[1].m_Time);
}

TEST_F(Engine, BandsSortLargestKeyFirst) {
    Data()->m_Bands = {"10m", "160m", "80m", "2m", "15m", "0123456789012345678901"};
    GetResult(m_Log, m_Results, m_Desktop, nullptr);
    EXPECT_EQ(
        (std::vector<std::string>{"0123456789012345678901", "160m", "80m", "15m", "10m", "2m"}),
        Data()->m_Bands);
    const std::string& text = m_Results.m_ResultText;
    EXPECT_LT(text.find("160m\t"), text.find("80m\t"));
    EXPECT_LT(text.find("80m\t"), text.find("10m\t"));
}

TEST_F(Engine, SummaryRebuildsTheWorkedListsPerMode) {
    AddAsHost(MakeQso("K1A", "CW", "K", "MA"));
    AddAsHost(MakeQso("DL1A", "CW", "DL", "001"));
    AddAsHost(MakeQso("K1B", "SSB", "K", "CT"));
    AddAsHost(MakeQso("K1C", "CW", "K", "ma"));
    AddAsHost(MakeQso("VE3A", "CW", "VE", "XX"));  // refused code: counts nowhere
    GetResult(m_Log, m_Results, m_Desktop, nullptr);
    EXPECT_EQ((std::vector<std::string>{"K", "DL"}), Data()->m_WorkedDxcc[0].Items());
    EXPECT_EQ((std::vector<std::string>{"K"}), Data()->m_WorkedDxcc[1].Items());
    EXPECT_EQ((std::vector<std::string>{"MA"}), Data()->m_WorkedCodes[0].Items());
    EXPECT_EQ((std::vector<std::string>{"CT"}), Data()->m_WorkedCodes[1].Items());
    EXPECT_EQ(14 * 5, m_Results.m_ClaimedScore);

    ResetAsHost();
    EXPECT_EQ(2u, Data()->m_WorkedDxcc[0].GetSize()) << "the lists describe the last summary";
    GetResult(m_Log, m_Results, m_Desktop, nullptr);
    EXPECT_EQ(0u, Data()->m_WorkedDxcc[0].GetSize());
    EXPECT_EQ(0, m_Results.m_ClaimedScore);
}

TEST_F(Engine, SetupShowsItsMessage) {
    Module().SetupSet0();
    EXPECT_EQ((std::vector<std::string>{"plain:No additional setup for this contest"}),
              m_Desktop.calls);
}

TEST_F(Engine, CallCheckRestartsTheRefreshUnlessTheBandsDisagree) {
    CheckAsHost("K1ABC", "CW", "K", "10m", "15m");
    EXPECT_TRUE(m_Desktop.calls.empty());
    CheckAsHost("K1ABC", "CW", "K", "10m", "10M");
    CheckAsHost("K1ABC", "CW", "K", "10m", nullptr);
    EXPECT_EQ((std::vector<std::string>{"arm:330", "arm:330"}), m_Desktop.calls);
}

TEST_F(Engine, StartFlagAlternatesAndStartsTheWindowsWhenNoneRun) {
    struct Step {
        int reportMode;
        bool running;        // a window thread runs when the reset comes
        const char* before;  // "Start" before the reset; null: as the last step left it
        std::vector<std::string> calls;
        const char* after;
    } const steps[] = {
        {0, false, "", {"start"}, "1"},       // no key: the windows start
        {0, true, nullptr, {}, "0"},          // found set: only cleared
        {0, true, nullptr, {}, "0"},          // windows run: nothing
        {0, false, nullptr, {"start"}, "1"},  // the operator closed them: they start again
        {1, false, "0", {"header"}, "0"},     // a report pass never starts them
        {1, true, "1", {"header"}, "0"},
        {0, false, "abc", {"start"}, "1"},  // no number reads as 0
        {0, false, " 7x", {}, "0"},
    };
    for (std::size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i) {
        const Step& step = steps[i];
        SCOPED_TRACE("step " + std::to_string(i));
        if (step.before) {
            WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini",
                           std::string("[Settings]\r\nStart=") + step.before + "\r\n");
        }
        m_Desktop.running = step.running;
        m_Desktop.calls.clear();
        EXPECT_EQ(1, ResetAsHost(step.reportMode));
        EXPECT_EQ(step.calls, m_Desktop.calls);
        EXPECT_EQ(step.after, SettingsValue("Start"));
    }
}

TEST_F(Engine, ReportPassNeverStartsTheWindowsWhereStartCannotBeSet) {
    std::filesystem::remove_all("Plugins");  // "Start" can be neither written nor read
    m_Desktop.running = false;
    EXPECT_EQ(1, ResetAsHost(1));
    EXPECT_EQ((std::vector<std::string>{"header"}), m_Desktop.calls);
    m_Desktop.calls.clear();
    EXPECT_EQ(1, ResetAsHost(0));
    EXPECT_EQ((std::vector<std::string>{"start"}), m_Desktop.calls) << "a scoring pass does";
}

TEST(ExchangeRules, TableHoldsOneHundredDistinctCodes) {
    std::set<std::string> codes;
    int count = 0;
    for (const char* const* entry = MultCodeTable; *entry; ++entry) {
        codes.insert(*entry);
        ++count;
    }
    EXPECT_EQ(100, count);
    EXPECT_EQ(100u, codes.size());
    EXPECT_STREQ("SK", MultCodeTable[58]) << "position 59";
    EXPECT_STREQ("R3", MultCodeTable[99]);
    for (const char* known : {"DC", "DFE", "DF", "AK", "HI", "PE", "NL", "NT", "R1"}) {
        EXPECT_TRUE(IsKnownMultCode(known)) << known;
    }
    for (const char* unknown :
         {"dc", "", "SL", "D", "DFEX", "MA ", "XE", static_cast<const char*>(nullptr)}) {
        EXPECT_FALSE(IsKnownMultCode(unknown)) << (unknown ? unknown : "(null)");
    }
}

TEST(ExchangeRules, WhoSendsALocationCode) {
    struct Case {
        const char* prefix;
        const char* call;
        bool expected;
    } const cases[] = {
        {"K", "W1AW", true},        {"VE", "VE3A", true},   {"XE", "XE1A", true},
        {"k", "W1AW", false},       {"KH6", "KH6A", false}, {"DL", "DL1A/MM", true},
        {"DL", "DL1A/mm", false},   {"DL", "/MM", true},    {"DL", "MM", false},
        {"DL", "DL1A/MM/P", false}, {"", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, SendsLocationCode(c.prefix, c.call)) << c.prefix << " " << c.call;
    }
}

TEST(ExchangeRules, NormaliseCode) {
    EXPECT_EQ("MA", NormaliseCode(" \t ma\r\n\v\f"));
    EXPECT_EQ("M A", NormaliseCode("m a"));
    EXPECT_EQ("", NormaliseCode("   "));
    EXPECT_EQ("\xE9X", NormaliseCode("\xE9x")) << "only ASCII letters change case";
}
