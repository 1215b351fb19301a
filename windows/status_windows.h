#pragma once

#include <windows.h>

#include <memory>

#include "windows/multiplier_window.h"
#include "windows/stat_prov_window.h"
#include "windows/window_state.h"

namespace windows {

// Opening and closing the status windows, on the window thread.

// Constructs a status window, creates it modeless without a parent and shows
// it; null when its template cannot be loaded.
template <typename Window>
Window* OpenStatusWindow(WindowState& state) {
    auto window = std::make_unique<Window>(state);
    if (!window->Create()) {
        return nullptr;
    }
    ShowWindow(window->GetSafeHwnd(), SW_SHOW);
    return window.release();
}

// Closes a status window with WM_CLOSE, handled before this returns, then
// clears the pointer and deletes the object. On the window's thread.
template <typename Window>
void CloseStatusWindow(Window*& window) {
    if (HWND handle = window->GetSafeHwnd()) {
        SendMessageA(handle, WM_CLOSE, 0, 0);
    }
    std::unique_ptr<Window> closed(window);
    window = nullptr;
}

}  // namespace windows
