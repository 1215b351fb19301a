#pragma once

#include <windows.h>

namespace platform {

// The DPI that the window system gives this window: its monitor's for a host
// that is aware of each monitor's scale, the system's for one aware of the
// system's, 96 for one that is not (the system then stretches its windows).
// Where the system cannot say per window (before Windows 10), the window
// DC's vertical DPI.
UINT WindowDpi(HWND window);

}  // namespace platform
