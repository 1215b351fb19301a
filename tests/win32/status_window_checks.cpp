#include "tests/win32/status_window_checks.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/win32/module_instance.h"
#include "resources/resource.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/layout_checks.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/window_picture.h"
#include "windows/window_placement.h"

using namespace platform;
using namespace windows;

namespace {

constexpr char kSettingsFile[] = "Plugins\\ARRL-10M_CW_SSB.ini";

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    }
    return TRUE;
}

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MoveAndPoint(HWND window, int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendAndPump(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH logBrush{};
    GetObjectA(brush, sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

}  // namespace

void PositionCase::WriteSettings(const char* keyX, const char* keyY) const {
    std::string text = "[Settings]\r\n";
    if (x) {
        text += std::string(keyX) + "=" + x + "\r\n";
    }
    if (y) {
        text += std::string(keyY) + "=" + y + "\r\n";
    }
    WriteFileBytes(kSettingsFile, text);
}

std::string PositionCase::Describe() const {
    std::ostringstream out;
    out << "stored " << (x ? x : "<none>") << ", " << (y ? y : "<none>");
    return out.str();
}

PixelPoint FirstRunPosition(HWND window, ModuleWindow which) {
    return FirstRunLayout(MainWorkArea(), ModuleWindowFrames(window))[which];
}

void ExpectOpenedAt(HWND window, ModuleWindow which, const PositionCase& expected) {
    const PixelPoint firstRun = FirstRunPosition(window, which);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(expected.expectedX == kFirstRun ? firstRun.x : expected.expectedX, rect.left);
    EXPECT_EQ(expected.expectedY == kFirstRun ? firstRun.y : expected.expectedY, rect.top);
}

void ExpectStatusWindowFrame(HWND window, bool resizable) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_CAPTION), style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(resizable, (style & WS_THICKFRAME) != 0);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const HICON icon = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(IDI_MODULE));
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(icon), SendAndPump(window, WM_GETICON, ICON_BIG, 0));
}

void ExpectDialogClientSize(const DialogTemplate& dialog, int height) {
    RECT system{0, 0, dialog.width, height};
    MapDialogRect(dialog.dialog, &system);
    RECT client;
    GetClientRect(dialog.dialog, &client);
    EXPECT_LE(system.right, client.right);
    EXPECT_EQ(system.bottom, client.bottom);
}

void ExpectPlacedAt(const DialogTemplate& dialog, HWND control, const DluRect& place) {
    const RECT expected =
        MapTemplateRect(dialog.dialog, dialog.width, {place.x, place.y, place.width, place.height});
    const RECT actual = ClientRectOf(dialog.dialog, control);
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right - actual.left);
    EXPECT_EQ(expected.bottom, actual.bottom - actual.top);
}

void ExpectControl(const DialogTemplate& dialog, int id, const char* text, const DluRect& place,
                   LONG type) {
    HWND control = GetDlgItem(dialog.dialog, id);
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(text, WindowText(control));
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(type, style & BS_TYPEMASK);
    EXPECT_TRUE(style & WS_TABSTOP);
    ExpectPlacedAt(dialog, control, place);
}

std::vector<HWND> StaticControls(HWND dialog) {
    std::vector<HWND> statics;
    EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&statics));
    return statics;
}

void ExpectPositionSaving(HWND window, const char* keyX, const char* keyY) {
    RECT start;
    GetWindowRect(window, &start);
    const int startX = start.left;
    const int startY = start.top;
    const std::string x = keyX;
    const std::string y = keyY;
    struct Step {
        int x, y;
        std::string file;
    } const steps[] = {
        {startX, startY + 50, "[Settings]\r\n" + y + "=" + std::to_string(startY + 50) + "\r\n"},
        // The same place again: nothing to write.
        {startX, startY + 50, "[Settings]\r\n" + y + "=" + std::to_string(startY + 50) + "\r\n"},
        {startX + 190, startY + 50,
         "[Settings]\r\n" + y + "=" + std::to_string(startY + 50) + "\r\n" + x + "=" +
             std::to_string(startX + 190) + "\r\n"},
        {-20, 30, "[Settings]\r\n" + y + "=30\r\n" + x + "=-20\r\n"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "moved to " << step.x << "," << step.y);
        MoveAndPoint(window, step.x, step.y);
        EXPECT_EQ(step.file, ReadFileBytes(kSettingsFile));
    }
}

void ExpectStatusColours(HWND window, int controlId) {
    HWND control = GetDlgItem(window, controlId);
    HDC dc = CreateCompatibleDC(nullptr);
    const struct {
        UINT message;
        HWND from;
    } messages[] = {
        {WM_CTLCOLORSTATIC, control},
        {WM_CTLCOLORBTN, control},
        {WM_CTLCOLORDLG, window},
        {WM_CTLCOLOREDIT, control},
    };
    for (const auto& m : messages) {
        SCOPED_TRACE(m.message);
        SetTextColor(dc, RGB(9, 9, 9));
        SetBkColor(dc, RGB(8, 8, 8));
        const HBRUSH brush = reinterpret_cast<HBRUSH>(SendAndPump(
            window, m.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m.from)));
        EXPECT_EQ(RGB(255, 250, 198), BrushColour(brush));
        EXPECT_EQ(RGB(0, 0, 0), GetTextColor(dc));
        EXPECT_EQ(RGB(255, 240, 198), GetBkColor(dc));
    }
    DeleteDC(dc);

    // A client pixel beside every control, as the window painted it.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    POINT corner{1, 1};
    ClientToScreen(window, &corner);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(RGB(255, 250, 198),
              WindowPicture(window).Pixel(corner.x - frame.left, corner.y - frame.top));
}
