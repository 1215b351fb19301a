#include "windows/window_placement.h"

#include "engine/settings_keys.h"
#include "platform/win32/module_instance.h"
#include "platform/win32/template_frame.h"
#include "resources/resource.h"
#include "windows/screen_fit.h"

namespace windows {

namespace {

// Each window's template and settings keys, in the first-run layout's order.
struct WindowSeat {
    int templateId;
    const char* keyX;
    const char* keyY;
};
constexpr WindowSeat kSeats[kModuleWindowCount] = {
    {IDD_SETUP_ARRL_10M, engine::kKeySetupX, engine::kKeySetupY},
    {IDD_MULTIPLIER, engine::kKeyDxccX, engine::kKeyDxccY},
    {IDD_STAT_PROV, engine::kKeyStatX, engine::kKeyStatY},
};

PixelRect ToPixels(const RECT& rect) {
    return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        reinterpret_cast<std::vector<PixelRect>*>(areas)->push_back(ToPixels(info.rcWork));
    }
    return TRUE;
}

}  // namespace

ModuleFrames ModuleWindowFrames(HWND oneOfThem) {
    ModuleFrames frames{};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        RECT rect;
        if (platform::TemplateWindowRect(platform::ModuleInstance(), kSeats[i].templateId,
                                         oneOfThem, rect)) {
            frames[i] = FrameSize{rect.right - rect.left, rect.bottom - rect.top, -rect.top};
        }
    }
    return frames;
}

int TitleBarHeight(HWND window) {
    RECT frame;
    POINT client{0, 0};
    GetWindowRect(window, &frame);
    ClientToScreen(window, &client);
    return client.y - frame.top;
}

PixelRect MainWorkArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return ToPixels(area);
}

std::vector<PixelRect> ScreenWorkAreas() {
    std::vector<PixelRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

void LoadWindowPosition(WindowPosition& position, HWND window, ModuleWindow which) {
    const PixelPoint firstRun = FirstRunLayout(MainWorkArea(), ModuleWindowFrames(window))[which];
    position.Load(kSeats[which].keyX, kSeats[which].keyY, firstRun.x, firstRun.y);
    RECT rect;
    GetWindowRect(window, &rect);
    const int32_t x = position.m_SetupX;
    const int32_t y = position.m_SetupY;
    const PixelRect loaded{x, y, x + rect.right - rect.left, y + rect.bottom - rect.top};
    const PixelPoint placed = ReachablePosition(loaded, TitleBarHeight(window), ScreenWorkAreas());
    position.m_SetupX = placed.x;
    position.m_SetupY = placed.y;
}

void MoveToLoadedPosition(const WindowPosition& position, HWND window) {
    SetWindowPos(window, nullptr, position.m_SetupX, position.m_SetupY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Set explicitly: a system-modal template alone does not keep every
    // window system's windows on top.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SaveWindowPosition(WindowPosition& position, HWND window, ModuleWindow which) {
    RECT rect;
    if (GetWindowRect(window, &rect)) {
        position.Save(rect.left, rect.top, kSeats[which].keyX, kSeats[which].keyY);
    }
}

void SetModuleIcon(HWND window) {
    const HICON icon = LoadIconA(platform::ModuleInstance(), MAKEINTRESOURCEA(IDI_MODULE));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace windows
