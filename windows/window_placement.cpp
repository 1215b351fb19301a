#include "windows/window_placement.h"

#include "engine/settings.h"
#include "platform/module_instance.h"
#include "resources/resource.h"

void MoveToLoadedPosition(HWND window) {
    SetWindowPos(window, nullptr, g_SetupX, g_SetupY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Set explicitly: a system-modal template alone does not keep every
    // window system's windows on top.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SaveWindowPosition(HWND window, const char* keyX, const char* keyY) {
    RECT rect;
    if (GetWindowRect(window, &rect)) {
        SavePosition(rect.left, rect.top, keyX, keyY);
    }
}

void SetModuleIcon(HWND window) {
    const HICON icon = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(IDI_MODULE));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}
