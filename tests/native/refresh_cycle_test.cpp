// The refresh against a scripted host and recorded windows: band rows,
// captions, State/Province flags, band index and "<SP1>" decisions.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "exports/module_state.h"
#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"
#include "windows/refresh_cycle.h"

using namespace platform;
using namespace engine;
using namespace windows;
using namespace exports;

namespace {

class ScriptedHost : public HostLink {
public:
    std::optional<std::string> CallBeingEntered() override {
        calls.push_back("call");
        return call;
    }
    std::optional<double> FrequencyHz() override {
        calls.push_back("frequency");
        return hz;
    }
    std::optional<std::string> Mode() override {
        calls.push_back("mode");
        return mode;
    }
    bool RunMacro(const std::string& macro) override {
        calls.push_back("macro " + macro);
        return macroWorks;
    }

    std::optional<std::string> call = std::string("W5XYZ");
    std::optional<double> hz = 28400000.0;
    std::optional<std::string> mode = std::string("CW");
    bool macroWorks = true;
    std::vector<std::string> calls;
};

class RecordedView : public StatusView {
public:
    bool HasMultiplierWindow() override { return multiplierOpen; }
    void SetMultiplierCaption(const std::string& caption) override {
        shown.push_back("dxcc caption:" + caption);
    }
    bool HasStatProvWindow() override { return statProvOpen; }
    void SetStatProvCaption(const std::string& caption) override {
        shown.push_back("state caption:" + caption);
    }
    void ShowStatProvFlags(const StatProvFlags& f) override {
        shown.push_back("flags");
        flags = f;
    }
    void ShowStatusButton(const std::string& description) override {
        shown.push_back("button:" + description);
    }

    bool multiplierOpen = true;
    bool statProvOpen = true;
    std::vector<std::string> shown;
    StatProvFlags flags{};
};

using Row = std::vector<std::string>;

class Refresh : public ::testing::Test {
protected:
    void SetUp() override {
        m_Refresh.FillBandNames();
        ResetAsHost(0, "W1AW", OleDate(2013, 12, 14));
    }
    static void Add(const char* call, const char* mode, const char* prefix, const char* exch,
                    int hour, int minute) {
        QsoArgs q = MakeQso(call, mode, prefix, exch);
        q.time = OleDate(2013, 12, 14, hour, minute);
        AddAsHost(q);
    }
    static Row EmptyRow(const char* band) { return {band, "   -", "   -", "   -", "   -"}; }

    ScratchDir m_Dir;
    ScriptedHost m_Host;
    RecordedView m_View;
    std::vector<std::vector<std::string>> BandRows() {
        return ContestLog::Locked(m_Log)->m_BandRows;
    }

    ContestLog& m_Log = TheModule().m_Log;
    RefreshCycle m_Refresh{m_Log};
};

}  // namespace

TEST_F(Refresh, RowsShowTheLastQsoOfEachModeOnTheBand) {
    Add("W5XYZ", "CW", "K", "TX", 13, 0);
    Add("W5XYZ", "CW", "K", "TX", 14, 5);  // a later CW QSO replaces the earlier
    Add("W5XYZ", "SSB", "K", "tx", 15, 30);
    Add("K1ABC", "SSB", "K", "MA", 16, 0);
    m_Refresh.Run(m_Host, m_View);
    const char* bands[] = {"160m", "80m", "40m", "20m", "15m"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(EmptyRow(bands[k]), BandRows()[k]);
    }
    EXPECT_EQ((Row{"10m", "14:05", "15:30", "TX", "   -"}), BandRows()[5]);
    EXPECT_EQ("W5XYZ", m_Refresh.m_HostCall);
    EXPECT_EQ(5, m_Refresh.m_HostBand);
    EXPECT_EQ(0, m_Refresh.m_HostMode);
}

TEST_F(Refresh, LastQsoDecidesTheCodeEvenWhenEmpty) {
    Add("W5XYZ/MM", "CW", "K", "R2", 13, 0);
    Add("W5XYZ/MM", "SSB", "K", "XX", 14, 0);  // refused: no code
    m_Host.call = std::string("W5XYZ/MM");
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ((Row{"10m", "13:00", "14:00", "", "   -"}), BandRows()[5]);
}

TEST_F(Refresh, ShortCallsignsLeaveEverythingAsItWas) {
    for (const char* call : {"K", "K1"}) {
        m_Host.call = std::string(call);
        m_Host.calls.clear();
        m_Refresh.Run(m_Host, m_View);
        EXPECT_EQ(call, m_Refresh.m_HostCall);
        EXPECT_EQ((Row{"10m", "-", "-", "-", "-"}), BandRows()[5]) << "rows as the reset left them";
        EXPECT_EQ((std::vector<std::string>{"call"}), m_Host.calls);
        EXPECT_TRUE(m_View.shown.empty());
    }
}

TEST_F(Refresh, CaptionsFlagsAndRepaint) {
    Add("K1ABC", "CW", "K", "MA", 1, 0);
    Add("XE1A", "CW", "XE", "DF", 1, 1);
    Add("DL1A", "CW", "DL", "001", 1, 2);
    Add("VE3A", "SSB", "VE", "ON", 1, 3);
    Add("G4A/MM", "CW", "G", "3", 1, 4);  // its region, R3
    ResultAsHost();
    m_Host.call = std::string("K1ABC");
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ((std::vector<std::string>{"dxcc caption: ARRL 10M worked with K1ABC",
                                        "state caption:ARRL 10M 2013 CW State/Province ", "flags",
                                        "button:K1ABC. 10m: CW 01:00, SSB none, MA. 15m: not "
                                        "worked. 20m: not worked. 40m: not worked. 80m: not "
                                        "worked."}),
              m_View.shown);
    StatProvFlags expected{};
    expected[1032 - 1016] = 1;  // MA
    expected[1086 - 1016] = 1;  // DFE, lit by DF
    expected[1112 - 1016] = 1;  // R3
    EXPECT_EQ(expected, m_View.flags);

    m_View.shown.clear();
    m_Host.call = std::string("");
    m_Host.mode = std::string("USB");  // every mode but CW shows the other lists
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ((std::vector<std::string>{"dxcc caption:ARRL 10M 2013 DXCC worked USB 1 of 338",
                                        "state caption:ARRL 10M 2013 USB State/Province ", "flags",
                                        "button:DXCC worked USB, 1 of 338: VE"}),
              m_View.shown);
    expected = StatProvFlags{};
    expected[1073 - 1016] = 1;  // ON
    EXPECT_EQ(expected, m_View.flags);
    EXPECT_EQ((Row{"10m", "   -", "   -", "   -", "   -"}), BandRows()[5]);
}

TEST_F(Refresh, DxccCountIsZeroOffTheBands) {
    Add("DL1A", "CW", "DL", "001", 1, 2);
    ResultAsHost();
    m_Host.call = std::string("");
    m_Host.hz = 50100000.0;
    m_View.statProvOpen = false;
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ(-1, m_Refresh.m_HostBand);
    EXPECT_EQ((std::vector<std::string>{"dxcc caption:ARRL 10M 2013 DXCC worked CW 0 of 338",
                                        "button:DXCC worked CW, 0 of 338"}),
              m_View.shown);
}

TEST_F(Refresh, ClosedWindowsAreLeftAlone) {
    m_View.multiplierOpen = false;
    m_View.statProvOpen = false;
    m_Refresh.Run(m_Host, m_View);
    EXPECT_TRUE(m_View.shown.empty());
    EXPECT_EQ((Row{"10m", "   -", "   -", "   -", "   -"}), BandRows()[5]);
}

TEST_F(Refresh, HostFailureEndsTheRefreshWhereItHappens) {
    m_Host.call = std::nullopt;
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ("", m_Refresh.m_HostCall);
    EXPECT_EQ((Row{"10m", "-", "-", "-", "-"}), BandRows()[5]);
    EXPECT_TRUE(m_View.shown.empty());

    m_Host.call = std::string("W5XYZ");
    m_Host.hz = std::nullopt;
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ((std::vector<std::string>{"dxcc caption: ARRL 10M worked with W5XYZ"}), m_View.shown);
    EXPECT_EQ(-1, m_Refresh.m_HostBand);

    m_Host.hz = 28000000.0;
    m_Host.macroWorks = false;
    m_View.shown.clear();
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ(0.0, m_Refresh.m_LastSp1Freq) << "a macro the host refused counts as not sent";
    EXPECT_EQ(1u, m_View.shown.size());
}

TEST_F(Refresh, Sp1WhenTheFrequencyHasMovedMoreThan300Hz) {
    struct Step {
        double hz;
        bool sent;
    } const steps[] = {
        {28000000.0, true},   // the first refresh: the stored value is 0
        {28000300.0, false},  // exactly 300 Hz does not count
        {28000301.0, true},   // measured from the last send, not the last refresh
        {28000450.0, false}, {28000602.0, true}, {28000301.0, true},  // either direction
    };
    for (const Step& step : steps) {
        m_Host.hz = step.hz;
        m_Host.calls.clear();
        m_Refresh.Run(m_Host, m_View);
        const bool sent = std::find(m_Host.calls.begin(), m_Host.calls.end(), "macro <SP1>") !=
                          m_Host.calls.end();
        EXPECT_EQ(step.sent, sent) << std::fixed << step.hz;
    }
    m_Refresh.m_LastSp1Freq = 0.0;
    m_Host.hz = 0.0;
    m_Host.calls.clear();
    m_Refresh.Run(m_Host, m_View);
    EXPECT_EQ((std::vector<std::string>{"call", "frequency", "mode"}), m_Host.calls);
}

TEST(RefreshRules, BandIndexFromWholeMegahertz) {
    struct Case {
        double hz;
        int band;
    };
    // The last row lies beyond what a 64-bit integer holds: no conversion may see it.
    const Case cases[] = {
        {1800000, 0},  {1999999, 0},    {2000000, -1}, {3500000, 1},    {7074000, 2},
        {14000000, 3}, {21300000, 4},   {28400000, 5}, {29700000, -1},  {50100000, -1},
        {0, -1},       {-28400000, -1}, {NAN, -1},     {INFINITY, -1},  {999999, -1},
        {1e19, -1},    {-1e19, -1},     {1e300, -1},   {-INFINITY, -1}, {28999999.9, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.band, BandIndexOfFrequency(c.hz)) << std::fixed << c.hz;
    }
}
