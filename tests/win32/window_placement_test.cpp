// Where the control dialog and the two status windows open on the screen of
// the run: ./dev test runs this program on screens of 1024x768, 1280x1024,
// 1366x768 and 1920x1080 at 100 %, 1920x1080 at 125 % and 150 %, and
// 3840x2160 at 200 %. The windows open as in the host: the control dialog,
// then both status windows at its first refresh.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "resources/resource.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/running_setup.h"
#include "tests/win32/test_host.h"
#include "tests/win32/window_helpers.h"
#include "windows/window_placement.h"

using namespace platform;
using namespace windows;

namespace {

constexpr char kSettingsFile[] = "Plugins\\ARRL-10M_CW_SSB.ini";
// Both status windows wanted: the first refresh opens them.
constexpr char kViewsOn[] = "setup_view_state=1\r\nsetup_view_DXCC=1\r\n";
// What that refresh writes when it opens the DXCC window.
constexpr char kRefreshWrites[] = "setup_view_multiplier=1\r\n";
const char* const kNames[kModuleWindowCount] = {"control dialog", "DXCC window",
                                                "State/Province window"};

// One window as it stands: its frame and its title bar with the frame above it.
struct Placed {
    PixelRect frame;
    PixelRect titleBar;
};

Placed PlacedOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return Placed{{rect.left, rect.top, rect.right, rect.bottom},
                  {rect.left, rect.top, rect.right, rect.top + TitleBarHeight(window)}};
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const PixelRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.Width()) +
           "x" + std::to_string(r.Height());
}

BOOL CALLBACK CollectStatusWindow(HWND window, LPARAM param) {
    auto* windows = reinterpret_cast<std::array<HWND, kModuleWindowCount>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(window) || window == (*windows)[0]) {
        return TRUE;
    }
    // Both hold a control 1016; only the State/Province window holds the last box.
    if (GetDlgItem(window, IDC_STAT_PROV_LAST)) {
        (*windows)[kStatProvWindow] = window;
    } else if (GetDlgItem(window, IDC_INFO_BUTTON)) {
        (*windows)[kDxccWindow] = window;
    }
    return TRUE;
}

class WindowPlacement : public testing::Test {
protected:
    // Runs the control dialog on the settings file given (with both views on)
    // until both status windows are open; the windows in the layout's order.
    std::array<Placed, kModuleWindowCount> Open(const std::string& positions) {
        m_Settings = "[Settings]\r\n" + positions + kViewsOn;
        WriteFileBytes(kSettingsFile, m_Settings);
        m_Setup = std::make_unique<RunningSetup>();
        std::array<HWND, kModuleWindowCount> windows{m_Setup->Window()};
        PumpMessagesUntil([&] {
            EnumWindows(CollectStatusWindow, reinterpret_cast<LPARAM>(&windows));
            return windows[kDxccWindow] && windows[kStatProvWindow];
        });
        std::array<Placed, kModuleWindowCount> placed{};
        for (std::size_t i = 0; i < windows.size(); ++i) {
            EXPECT_NE(nullptr, windows[i]) << kNames[i] << " did not open";
            placed[i] = PlacedOf(windows[i]);
        }
        m_Frames = ModuleWindowFrames(windows[kSetupWindow]);
        return placed;
    }

    // Every title bar wholly on the screen and none under another of the windows.
    static void ExpectTitleBarsFree(const std::array<Placed, kModuleWindowCount>& placed) {
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_TRUE(Inside(placed[i].titleBar, MainWorkArea()))
                << kNames[i] << "'s title bar at " << Describe(placed[i].titleBar);
            for (std::size_t other = 0; other < placed.size(); ++other) {
                EXPECT_FALSE(other != i && Overlap(placed[other].frame, placed[i].titleBar))
                    << kNames[other] << " over the title bar of the " << kNames[i];
            }
        }
    }

    // Opening the windows wrote no position.
    void ExpectSettingsKept() const {
        EXPECT_EQ(m_Settings + kRefreshWrites, ReadFileBytes(kSettingsFile));
    }

    ScratchDir m_Dir;
    TestHost m_Host;
    std::string m_Settings;
    std::unique_ptr<RunningSetup> m_Setup;
    ModuleFrames m_Frames{};
};

}  // namespace

TEST_F(WindowPlacement, TheTemplatesGiveTheSizesOfTheOpenWindows) {
    const std::array<Placed, kModuleWindowCount> placed = Open("");
    for (std::size_t i = 0; i < placed.size(); ++i) {
        SCOPED_TRACE(kNames[i]);
        EXPECT_EQ(placed[i].frame.Width(), m_Frames[i].width);
        EXPECT_EQ(placed[i].frame.Height(), m_Frames[i].height);
        EXPECT_EQ(placed[i].titleBar.Height(), m_Frames[i].titleBar);
    }
}

TEST_F(WindowPlacement, FirstRunLaysTheWindowsOutInsideTheWorkAreaWithEveryTitleBarFree) {
    const std::array<Placed, kModuleWindowCount> placed = Open("");
    const PixelRect work = MainWorkArea();
    std::printf("work area %s:", Describe(work).c_str());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        std::printf(" %s %s;", kNames[i], Describe(placed[i].frame).c_str());
        EXPECT_TRUE(Inside(placed[i].frame, work))
            << kNames[i] << " at " << Describe(placed[i].frame);
    }
    std::printf("\n");
    ExpectTitleBarsFree(placed);
    ExpectSettingsKept();
}

TEST_F(WindowPlacement, StoredPositionsOnTheScreenAreKept) {
    // The positions that windows opened at before the first-run layout, stored
    // as the pointer passing over them stores them.
    const std::array<Placed, kModuleWindowCount> placed = Open(
        "setup_arrl_x=10\r\nsetup_arrl_y=600\r\nstat_x=10\r\nstat_y=600\r\n"
        "dxcc_x=10\r\ndxcc_y=400\r\n");
    const PixelPoint stored[kModuleWindowCount] = {{10, 600}, {10, 400}, {10, 600}};
    for (std::size_t i = 0; i < placed.size(); ++i) {
        SCOPED_TRACE(kNames[i]);
        EXPECT_EQ(stored[i].x, placed[i].frame.left);
        EXPECT_EQ(stored[i].y, placed[i].frame.top);
        EXPECT_TRUE(Inside(placed[i].titleBar, MainWorkArea()));
    }
    ExpectSettingsKept();
}

TEST_F(WindowPlacement, AWindowStoredOffTheScreenOpensInItsTopRightCorner) {
    const char* const keys[kModuleWindowCount] = {"setup_arrl", "dxcc", "stat"};
    for (std::size_t moved = 0; moved < kModuleWindowCount; ++moved) {
        SCOPED_TRACE(kNames[moved]);
        const std::string prefix = keys[moved];
        const PixelRect work = MainWorkArea();
        // Right of the screen by more than a window's width, whatever its size.
        const std::string offRight = std::to_string(work.right + 1000);
        const std::array<Placed, kModuleWindowCount> placed =
            Open(prefix + "_x=" + offRight + "\r\n" + prefix + "_y=-500\r\n");
        EXPECT_EQ(work.right, placed[moved].frame.right);
        EXPECT_EQ(work.top, placed[moved].frame.top);
        ExpectTitleBarsFree(placed);
        ExpectSettingsKept();
        m_Setup.reset();
    }
}
