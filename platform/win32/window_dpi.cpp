#include "platform/win32/window_dpi.h"

#include "platform/display_scale.h"

namespace platform {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up at each call: the function is missing from older systems, and a
// table of it kept at load would be filled under the loader lock.
GetDpiForWindowFunction GetDpiForWindowOfTheSystem() {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                        reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow")))
                  : nullptr;
}

}  // namespace

UINT WindowDpi(HWND window) {
    if (const GetDpiForWindowFunction getDpi = GetDpiForWindowOfTheSystem()) {
        if (const UINT dpi = getDpi(window)) {
            return dpi;
        }
    }
    int dpi = 0;
    if (HDC dc = GetDC(window)) {
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : static_cast<UINT>(kBaseDpi);
}

}  // namespace platform
