// The control dialog, run modally on a window thread of its own as the module
// runs it, with the test playing the host and the operator.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "resources/resource.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/layout_checks.h"
#include "tests/win32/running_setup.h"
#include "tests/win32/status_window_checks.h"
#include "tests/win32/test_host.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/window_picture.h"
#include "windows/status_windows.h"

using namespace platform;
using namespace windows;

namespace {

constexpr char kSettingsFile[] = "Plugins\\ARRL-10M_CW_SSB.ini";

class SetupDialog : public testing::Test {
protected:
    void Settings(const std::string& text) { WriteFileBytes(kSettingsFile, text); }
    // A host of its own for the next opening of the dialog.
    TestHost& NewHost() {
        m_Host.reset();
        m_Host = std::make_unique<TestHost>();
        return *m_Host;
    }
    TestHost& Host() { return *m_Host; }

    ScratchDir m_Dir;
    std::unique_ptr<TestHost> m_Host = std::make_unique<TestHost>();
};

}  // namespace

TEST_F(SetupDialog, FirstRunOpensAtItsPlaceInTheFirstRunLayoutAndChoosesSsb) {
    RunningSetup setup;
    HWND window = setup.Window();
    ASSERT_NE(nullptr, window);
    ExpectOpenedAt(window, kSetupWindow, {nullptr, nullptr, kFirstRun, kFirstRun});
    ExpectStatusWindowFrame(window, false);
    ExpectDialogClientSize({window, 151}, 54);
    for (int id : {IDC_VIEW_STATE, IDC_VIEW_DXCC, IDC_MODE_CW, IDC_MODE_SSB}) {
        EXPECT_FALSE(setup.IsChecked(id)) << id;
    }
    EXPECT_EQ(std::vector<std::string>{"<MODE:SSB>"}, Host().Object().Macros());
    EXPECT_EQ(std::vector<UINT>{300}, setup.Dialog().Arms());
    EXPECT_EQ(nullptr, FindTopWindow("#32770", "State/Prov"));
    EXPECT_EQ(nullptr, FindTopWindow("#32770", "Multiplier"));
    EXPECT_FALSE(FileExists(kSettingsFile)) << "opening writes nothing";
    const std::vector<std::string> bands = {"160m", "80m", "40m", "20m", "15m", "10m"};
    EXPECT_EQ(bands, setup.State().m_Refresh.m_BandNames);
}

TEST_F(SetupDialog, StoredCwChoiceSendsCwAndTheBaudRate) {
    Settings("[Settings]\r\nsetup_mode_cw=1\r\n");
    RunningSetup setup;
    const std::vector<std::string> macros = {"<MODE:CW>", "<BAUDRATE:27>"};
    EXPECT_EQ(macros, Host().Object().Macros());
    EXPECT_TRUE(setup.IsChecked(IDC_MODE_CW));
    EXPECT_FALSE(setup.IsChecked(IDC_MODE_SSB));
}

TEST_F(SetupDialog, OpensAtTheStoredPosition) {
    const PositionCase cases[] = {
        {"0", "0", kFirstRun, kFirstRun},
        {"-5", "40", -5, 40},
        {"200", nullptr, 200, kFirstRun},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.Describe());
        c.WriteSettings("setup_arrl_x", "setup_arrl_y");
        RunningSetup setup;
        ExpectOpenedAt(setup.Window(), kSetupWindow, c);
    }
}

TEST_F(SetupDialog, HoldsItsBoxesAndLabels) {
    RunningSetup setup;
    const DialogTemplate window{setup.Window(), 151};
    ExpectControl(window, IDC_VIEW_STATE, "Sate/Province", {72, 18, 60, 13}, BS_AUTOCHECKBOX);
    ExpectControl(window, IDC_VIEW_DXCC, "DXCC", {72, 32, 59, 13}, BS_AUTOCHECKBOX);
    ExpectControl(window, IDC_MODE_CW, "CW", {13, 20, 25, 10}, BS_AUTOCHECKBOX);
    ExpectControl(window, IDC_MODE_SSB, "SSB", {13, 34, 25, 10}, BS_AUTOCHECKBOX);
    const std::vector<HWND> labels = StaticControls(window.dialog);
    ASSERT_EQ(2u, labels.size());
    EXPECT_EQ("View", WindowText(labels[0]));
    ExpectPlacedAt(window, labels[0], {91, 9, 18, 10});
    EXPECT_EQ("Choice mode", WindowText(labels[1]));
    ExpectPlacedAt(window, labels[1], {11, 8, 43, 10});
}

TEST_F(SetupDialog, EveryLabelFitsAtTheWindowsScaleAndAtEachNewOne) {
    RunningSetup setup;
    // From a thread of its own: the dialog's thread may call the host here.
    RunOnOtherThread([&] {
        ExpectTextsFitAndApart(setup.Window(), setup.Dialog().Dpi(), 151);
        ExpectLaidOutAgainForEachScale(setup.Window(), setup.Dialog().Dpi());
    });
}

TEST_F(SetupDialog, ModeBoxesActAsARadioPairThatWritesAndSendsOnlyOnAChange) {
    struct Case {
        const char* name;
        const char* settings;
        int click;
        const char* file;
        std::vector<std::string> macros;  // after those of the opening
        std::vector<UINT> arms;           // after that of the opening
        bool cw, ssb;
    } const cases[] = {
        {"CW on a first run",
         "",
         IDC_MODE_CW,
         "[Settings]\r\nsetup_mode_cw=1\r\nMode=1\r\nsetup_mode_ssb=0\r\n",
         {"<MODE:CW>", "<BAUDRATE:27>"},
         {300},
         true,
         false},
        {"SSB on a first run",
         "",
         IDC_MODE_SSB,
         "[Settings]\r\nsetup_mode_ssb=1\r\nMode=0\r\nsetup_mode_cw=0\r\n",
         {"<MODE:SSB>"},
         {300},
         false,
         true},
        {"CW to SSB",
         "[Settings]\r\nsetup_mode_cw=1\r\nMode=1\r\nsetup_mode_ssb=0\r\n",
         IDC_MODE_SSB,
         "[Settings]\r\nsetup_mode_cw=0\r\nMode=0\r\nsetup_mode_ssb=1\r\n",
         {"<MODE:SSB>"},
         {300},
         false,
         true},
        {"CW while CW is stored",
         "[Settings]\r\nsetup_mode_cw=1\r\n",
         IDC_MODE_CW,
         "[Settings]\r\nsetup_mode_cw=1\r\n",
         {},
         {},
         true,
         false},
        {"SSB while SSB is stored",
         "[Settings]\r\nsetup_mode_ssb=1\r\n",
         IDC_MODE_SSB,
         "[Settings]\r\nsetup_mode_ssb=1\r\n",
         {},
         {},
         false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings(c.settings);
        TestHost& host = NewHost();
        RunningSetup setup;
        const std::vector<std::string> opening = host.Object().Macros();
        ClickAndPump(setup.Window(), c.click);
        EXPECT_EQ(c.file, ReadFileBytes(kSettingsFile));
        std::vector<std::string> macros = opening;
        macros.insert(macros.end(), c.macros.begin(), c.macros.end());
        EXPECT_EQ(macros, host.Object().Macros());
        std::vector<UINT> arms = {300};
        arms.insert(arms.end(), c.arms.begin(), c.arms.end());
        EXPECT_EQ(arms, setup.Dialog().Arms());
        EXPECT_EQ(c.cw, setup.IsChecked(IDC_MODE_CW));
        EXPECT_EQ(c.ssb, setup.IsChecked(IDC_MODE_SSB));
    }
}

TEST_F(SetupDialog, ViewBoxesOpenAndCloseTheStatusWindows) {
    struct Case {
        int click;
        const char* title;
        const char* key;
    } const cases[] = {
        {IDC_VIEW_STATE, "State/Prov", "setup_view_state"},
        {IDC_VIEW_DXCC, "Multiplier", "setup_view_DXCC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        Settings("");
        RunningSetup setup;
        ClickAndPump(setup.Window(), c.click);
        HWND opened = FindTopWindow("#32770", c.title);
        ASSERT_NE(nullptr, opened);
        EXPECT_TRUE(GetWindowLongA(opened, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ("[Settings]\r\n" + std::string(c.key) + "=1\r\n", ReadFileBytes(kSettingsFile));
        EXPECT_EQ((std::vector<UINT>{300, 300}), setup.Dialog().Arms());

        ClickAndPump(setup.Window(), c.click);
        EXPECT_FALSE(IsWindow(opened));
        EXPECT_EQ(nullptr, setup.State().m_pStatProv);
        EXPECT_EQ(nullptr, setup.State().m_pMultiplier);
        EXPECT_EQ("[Settings]\r\n" + std::string(c.key) + "=0\r\n", ReadFileBytes(kSettingsFile));
        EXPECT_EQ((std::vector<UINT>{300, 300}), setup.Dialog().Arms()) << "closing arms nothing";
    }
}

TEST_F(SetupDialog, StoredViewsCheckTheBoxesAndTheHandlersGoByTheOpenWindows) {
    // Written with capitals, read back in lower case.
    Settings("[Settings]\r\nsetup_view_state=1\r\nsetup_view_DXCC=1\r\n");
    Host().Publication().Withdraw();
    RunningSetup setup;
    EXPECT_TRUE(setup.IsChecked(IDC_VIEW_STATE));
    EXPECT_TRUE(setup.IsChecked(IDC_VIEW_DXCC));
    EXPECT_EQ(nullptr, setup.State().m_pStatProv) << "the dialog opens no window itself";
    EXPECT_EQ(nullptr, setup.State().m_pMultiplier);

    ClickAndPump(setup.Window(), IDC_VIEW_STATE);
    EXPECT_NE(nullptr, FindTopWindow("#32770", "State/Prov"));
    EXPECT_FALSE(setup.IsChecked(IDC_VIEW_STATE)) << "the mark is not put back";
}

TEST_F(SetupDialog, WithoutAHostTheMacrosAreSkippedAndTheDialogWorks) {
    Host().Publication().Withdraw();
    RunningSetup setup;
    ClickAndPump(setup.Window(), IDC_MODE_CW);
    EXPECT_EQ(nullptr, setup.State().m_Host.m_pHostDispatch);
    EXPECT_TRUE(Host().Object().Macros().empty());
    EXPECT_EQ("[Settings]\r\nsetup_mode_cw=1\r\nMode=1\r\nsetup_mode_ssb=0\r\n",
              ReadFileBytes(kSettingsFile));
    EXPECT_TRUE(setup.IsChecked(IDC_MODE_CW));
}

TEST_F(SetupDialog, PointerOverTheDialogSavesOnlyTheMovedCoordinates) {
    RunningSetup setup;
    ExpectPositionSaving(setup.Window(), "setup_arrl_x", "setup_arrl_y");
}

TEST_F(SetupDialog, DialogAndControlsTakeThePaleColours) {
    RunningSetup setup;
    ExpectStatusColours(setup.Window(), IDC_MODE_CW);
}

TEST_F(SetupDialog, EachArmingGivesOneTimerMessage) {
    RunningSetup setup;
    ASSERT_TRUE(PumpMessagesUntil([&] { return setup.Dialog().TimerMessages() == 1; }));
    ClickAndPump(setup.Window(), IDC_MODE_CW);
    ASSERT_TRUE(PumpMessagesUntil([&] { return setup.Dialog().TimerMessages() == 2; }));
    // Stopped by its handler: no further message while nothing arms it.
    PumpMessagesFor(1000);
    EXPECT_EQ(2, setup.Dialog().TimerMessages());
    EXPECT_EQ((std::vector<UINT>{300, 300}), setup.Dialog().Arms());
}

TEST_F(SetupDialog, ACallCheckArmsTheRefreshForTheDelayItGives) {
    RunningSetup setup;
    ASSERT_TRUE(PumpMessagesUntil([&] { return setup.Published(); })) << "never published";
    std::vector<UINT> arms = {300};
    for (unsigned delay : {330u, 45u}) {
        setup.RequestRefresh(delay);
        arms.push_back(delay);
        EXPECT_TRUE(PumpMessagesUntil([&] { return setup.Dialog().Arms() == arms; })) << delay;
    }
    EXPECT_EQ(arms, setup.Dialog().Arms());
}

// Other threads' requests are messages of the application's range: a
// control's command that bears a request's number is no request.
TEST_F(SetupDialog, RequestsAreNoControlCommands) {
    RunningSetup setup;
    ASSERT_TRUE(PumpMessagesUntil([&] { return setup.Published(); })) << "never published";
    for (UINT request : {Setup_ARRL_10m::kRequestRefresh, Setup_ARRL_10m::kRequestClose}) {
        PostMessageA(setup.Window(), WM_COMMAND, MAKEWPARAM(request, 0), 0);
    }
    PumpMessagesFor(300);
    EXPECT_TRUE(setup.Published()) << "closed by a command";
    EXPECT_EQ(std::vector<UINT>{300}, setup.Dialog().Arms()) << "armed by a command";
    PostMessageA(setup.Window(), Setup_ARRL_10m::kRequestClose, 0, 0);
    EXPECT_TRUE(PumpMessagesUntil([&] { return !setup.Published(); })) << "the request closes it";
}

TEST_F(SetupDialog, Screenshot) {
    Settings("[Settings]\r\nsetup_mode_cw=1\r\nsetup_view_state=1\r\nsetup_view_DXCC=1\r\n");
    RunningSetup setup;
    EXPECT_FALSE(SaveScreenshot(setup.Window(), "control-dialog").empty());
}
