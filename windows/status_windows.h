#pragma once

#include <windows.h>

#include <memory>

#include "windows/multiplier_window.h"
#include "windows/stat_prov_window.h"

// The open status windows, null when closed. Set and cleared on the window
// thread by the control dialog's view boxes and the refresh; a window closed
// by its own title-bar button keeps its object (and pointer) until then.
extern Stat_Prov* g_pStatProv;
extern Multiplier* g_pMultiplier;

// Closes whichever of the two status windows are open, the State/Province
// window first. On the window thread.
void CloseOpenStatusWindows();
// Deletes the two windows' objects, whose windows went with a thread that was
// stopped; sends them nothing.
void DeleteStatusWindows();

// Constructs a status window, creates it modeless without a parent and shows
// it; null when its template cannot be loaded.
template <typename Window>
Window* OpenStatusWindow() {
    auto window = std::make_unique<Window>();
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
