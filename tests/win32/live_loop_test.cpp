// The live loop through the real DLL under Wine: the contest reset starting
// the status windows, call checks waking one refresh, the refresh following
// the test's host object, and unloading with the windows open.
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "resources/resource.h"
#include "tests/common/host_calls.h"
#include "tests/common/module_exports.h"
#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"
#include "tests/win32/accessible_name.h"
#include "tests/win32/test_host.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/wine_path.h"

using namespace platform;

namespace {

const char kSetupTitle[] = "Setup ARRL 10 Meter Contest";

HWND WaitForControlDialog() {
    HWND dialog = nullptr;
    PumpMessagesUntil([&] { return (dialog = FindTopWindow("#32770", kSetupTitle)) != nullptr; });
    return dialog;
}

BOOL CALLBACK CountControlDialog(HWND window, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId() && WindowText(window) == kSetupTitle) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

int CountControlDialogs() {
    int count = 0;
    EnumWindows(CountControlDialog, reinterpret_cast<LPARAM>(&count));
    return count;
}

int RefreshCount(HostAutomation& host) {
    const std::vector<std::string> calls = host.Calls();
    return static_cast<int>(std::count(calls.begin(), calls.end(), "GetField 5"));
}

class LiveLoop : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(
            "Plugins/ARRL-10M_CW_SSB.ini",
            "[Settings]\r\nsetup_view_state=1\r\nsetup_view_DXCC=1\r\nsetup_mode_cw=1\r\n");
        m_Host.Object().SetFrequency(28400000.0);
        m_Host.Object().SetMode("CW");
    }

    // Starts the windows and waits for the first refresh to have opened them.
    void StartWindows() {
        ResetAsHost();
        ASSERT_TRUE(WaitForControlDialog());
        ASSERT_TRUE(PumpMessagesUntil([&] { return RefreshCount(m_Host.Object()) == 1; }));
        ASSERT_TRUE(PumpMessagesUntil(
            [] { return FindTopWindow("#32770", "ARRL 10M 2013 CW State/Province ") != nullptr; }));
    }

    // Types a callsign as the operator does: the field changes and the host
    // checks the call at every keystroke, faster than the refresh delay.
    void Type(const std::string& call) {
        for (std::size_t n = 1; n <= call.size(); ++n) {
            m_Host.Object().SetField(5, call.substr(0, n));
            CheckAsHost(call.substr(0, n).c_str(), "CW", "K", "10m", "10m");
            PumpMessagesFor(40);
        }
    }

    ScratchDir m_Dir;
    TestHost m_Host;
};

}  // namespace

TEST_F(LiveLoop, ResetStartsTheWindowsAsTheStartFlagSays) {
    StartWindows();
    EXPECT_EQ("1", SettingsValue("Start"));
    EXPECT_EQ((std::vector<std::string>{"<MODE:CW>", "<BAUDRATE:27>", "<SP1>"}),
              m_Host.Object().Macros());
    ResetAsHost();
    EXPECT_EQ("0", SettingsValue("Start")) << "found set: only cleared";
    ResetAsHost();
    EXPECT_EQ("0", SettingsValue("Start")) << "the windows run: nothing written";
    PumpMessagesFor(100);
    EXPECT_EQ(1, CountControlDialogs());
}

TEST_F(LiveLoop, TypingGivesOneRefreshWithTheCallsignsSituation) {
    AddAsHost(MakeQso("K1ABC", "CW", "K", "MA"));
    AddAsHost(MakeQso("XE1XYZ", "CW", "XE", "DF"));
    AddAsHost(MakeQso("W5XYZ", "SSB", "K", "TX"));
    ResultAsHost();
    StartWindows();
    AddAsHost(MakeQso("W5XYZ", "SSB", "K", "TX"));  // the reset emptied the log
    Type("W5XYZ");
    EXPECT_TRUE(PumpMessagesUntil([&] { return RefreshCount(m_Host.Object()) == 2; }));
    PumpMessagesFor(600);
    EXPECT_EQ(2, RefreshCount(m_Host.Object())) << "a burst of call checks gives one refresh";

    HWND dxcc = FindTopWindow("#32770", " ARRL 10M worked with W5XYZ");
    ASSERT_TRUE(dxcc) << "the DXCC window names the callsign";
    // A screen reader hears what the button shows, the host's band first.
    HWND button = GetDlgItem(dxcc, IDC_INFO_BUTTON);
    std::string heard;
    RunOnOtherThread([&] { heard = AccessibleName(button); });
    EXPECT_EQ(
        "W5XYZ. 10m: CW none, SSB 00:12, TX. 15m: not worked. 20m: not worked. "
        "40m: not worked. 80m: not worked.",
        heard);
    HWND states = FindTopWindow("#32770", "ARRL 10M 2013 CW State/Province ");
    ASSERT_TRUE(states);
    for (int id = 1016; id <= 1112; ++id) {
        const bool lit = id == 1032 || id == 1086;  // MA, and DFE for "DF"
        EXPECT_EQ(lit ? BST_CHECKED : BST_UNCHECKED, IsDlgButtonChecked(states, id)) << id;
    }

    m_Host.Object().SetField(5, "");
    CheckAsHost("", "CW", "", "10m", "10m");
    EXPECT_TRUE(PumpMessagesUntil([] {
        return FindTopWindow("#32770", "ARRL 10M 2013 DXCC worked CW 2 of 338") != nullptr;
    }));
    RunOnOtherThread([&] { heard = AccessibleName(button); });
    EXPECT_EQ("DXCC worked CW, 2 of 338: K, XE", heard);
}

TEST_F(LiveLoop, Sp1FollowsTheFrequency) {
    StartWindows();  // the first refresh at 28,400,000 Hz sends it
    const double steps[] = {28400300.0, 28400301.0, 28400500.0, 28399999.0};
    for (double hz : steps) {
        m_Host.Object().SetFrequency(hz);
        const int before = RefreshCount(m_Host.Object());
        CheckAsHost("DL1ABC", "CW", "DL", "10m", "10m");
        ASSERT_TRUE(PumpMessagesUntil([&] { return RefreshCount(m_Host.Object()) == before + 1; }));
    }
    PumpMessagesUntil([&] { return m_Host.Object().Macros().size() >= 5; }, 2000);
    EXPECT_EQ((std::vector<std::string>{"<MODE:CW>", "<BAUDRATE:27>", "<SP1>", "<SP1>", "<SP1>"}),
              m_Host.Object().Macros());
}

TEST_F(LiveLoop, BandDisagreementWakesNoRefresh) {
    StartWindows();
    EXPECT_EQ(4, CheckAsHost("W5XYZ", "CW", "K", "10m", "15m"));
    PumpMessagesFor(700);
    EXPECT_EQ(1, RefreshCount(m_Host.Object()));
}

TEST_F(LiveLoop, ClosingTheDialogWhileCallsAreCheckedCrashesNothing) {
    StartWindows();
    HWND dialog = FindTopWindow("#32770", kSetupTitle);
    PressButton(dialog, IDCANCEL);
    for (int i = 0; i < 2000; ++i) {
        CheckAsHost("W5XYZ", "CW", "K", "10m", "10m");
    }
    EXPECT_TRUE(PumpMessagesUntil([] { return !FindTopWindow("#32770", kSetupTitle); }));
    PumpMessagesFor(500);  // as the host's own message loop would: the thread lets go of the host
    ResetAsHost();         // "Start" was set: cleared
    EXPECT_EQ("0", SettingsValue("Start"));
    ResetAsHost();  // no windows run: they start again
    EXPECT_TRUE(WaitForControlDialog());
    EXPECT_EQ("1", SettingsValue("Start"));
}

TEST_F(LiveLoop, APassRightAfterTheOperatorClosedTheDialogStartsTheWindows) {
    StartWindows();
    ResetAsHost();  // "Start" found set: cleared, the windows go on
    ASSERT_EQ("0", SettingsValue("Start"));
    PressButton(FindTopWindow("#32770", kSetupTitle), IDCANCEL);
    ASSERT_TRUE(PumpMessagesUntil([] { return !FindTopWindow("#32770", kSetupTitle); }));
    ResetAsHost();  // the closed dialog's thread may still be finishing: no matter
    EXPECT_TRUE(WaitForControlDialog());
    EXPECT_EQ("1", SettingsValue("Start"));
}

TEST(LiveLoopWithoutHost, TimerOnlyStopsItself) {
    ScratchDir dir;
    WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini",
                   "[Settings]\r\nsetup_view_state=1\r\nsetup_view_DXCC=1\r\n");
    ResetAsHost();
    HWND dialog = WaitForControlDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_VIEW_STATE));
    CheckAsHost("W5XYZ", "CW", "K", "10m", "10m");
    PumpMessagesFor(800);
    EXPECT_FALSE(FindTopWindow("#32770", "State/Prov")) << "no host: no window opens";
    EXPECT_FALSE(FindTopWindow("#32770", "Multiplier"));
    EXPECT_EQ("<missing>", SettingsValue("setup_view_multiplier"));
}

namespace {

// Records the order in which the window thread destroys its top-level windows.
std::mutex g_DestroyedLock;
std::vector<HWND> g_Destroyed;

LRESULT CALLBACK RecordDestroy(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_DESTROY && !GetParent(message->hwnd)) {
        std::lock_guard<std::mutex> lock(g_DestroyedLock);
        g_Destroyed.push_back(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(Unload, FreeLibraryClosesTheWindowsInOrderAndReturns) {
    ScratchDir dir;
    TestHost host;
    host.Object().SetFrequency(28400000.0);
    host.Object().SetMode("SSB");
    WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini",
                   "[Settings]\r\nsetup_view_state=1\r\nsetup_view_DXCC=1\r\n");
    HMODULE module = LoadLibraryA(WinePath(ARRL_DLL_PATH).c_str());
    ASSERT_TRUE(module);
    auto reset = reinterpret_cast<decltype(&ResetStats0)>(
        reinterpret_cast<void*>(GetProcAddress(module, "ResetStats0")));
    COleDateTime date = OleDate(2013, 12, 14);
    reset("", 0, "W1AW", &date, &date, "", "", "", "", "", "", "", "", "", "", 0, 0, 0, 0, 0, "",
          "", "");
    HWND dialog = WaitForControlDialog();
    HWND states = nullptr;
    HWND dxcc = nullptr;
    ASSERT_TRUE(PumpMessagesUntil([&] {
        states = FindTopWindow("#32770", "ARRL 10M 2013 SSB State/Province ");
        dxcc = FindTopWindow("#32770", "ARRL 10M 2013 DXCC worked SSB 0 of 338");
        return states && dxcc;
    }));
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordDestroy, nullptr,
                                   GetWindowThreadProcessId(dialog, nullptr));
    ASSERT_TRUE(hook);

    EXPECT_TRUE(FreeLibrary(module));

    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(states));
    EXPECT_FALSE(IsWindow(dxcc));
    std::lock_guard<std::mutex> lock(g_DestroyedLock);
    std::vector<HWND> order;
    for (HWND window : g_Destroyed) {
        if (window == states || window == dxcc || window == dialog) {
            order.push_back(window);
        }
    }
    EXPECT_EQ((std::vector<HWND>{states, dxcc, dialog}), order);
    EXPECT_FALSE(GetModuleHandleA("ARRL-10M_CW_SSB.dll")) << "the module is gone";
}

TEST(Unload, ProcessExitWithTheWindowsOpen) {
    ScratchDir dir;
    TestHost host;
    ResetAsHost();
    ASSERT_TRUE(WaitForControlDialog());
    // The test program ends with the windows open; CTest sees its exit code.
}
