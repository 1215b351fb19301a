#include "tests/win32/window_helpers.h"

#include <vector>

namespace {

struct Search {
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    Search* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) {
        return TRUE;
    }
    char cls[256] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, search->className) != 0) {
        return TRUE;
    }
    if (search->title && WindowText(window) != search->title) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CountButton(HWND child, LPARAM param) {
    char cls[64] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0) {
        ++*reinterpret_cast<int*>(param);
    }
    return TRUE;
}

// The icon of a message box: a static control of the icon kind, whatever its id.
BOOL CALLBACK FindIcon(HWND child, LPARAM param) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) != SS_ICON) {
        return TRUE;
    }
    *reinterpret_cast<HICON*>(param) =
        reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    return FALSE;
}

}  // namespace

HWND WaitForTopWindow(const char* className, const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        Search search{className, title, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            return search.found;
        }
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> buf(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, buf.data(), length + 1);
    return buf.data();
}

std::string ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

MessageBoxSeen CloseNextMessageBox(DWORD timeoutMs, std::atomic<bool>* pressing) {
    MessageBoxSeen seen;
    HWND box = WaitForTopWindow("#32770", nullptr, timeoutMs);
    if (!box) {
        return seen;
    }
    seen.found = true;
    seen.title = WindowText(box);
    seen.text = ControlText(box, 0xFFFF);
    EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&seen.buttons));
    HICON icon = nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
    seen.hasInformationIcon = icon != nullptr && icon == LoadIconA(nullptr, IDI_INFORMATION);
    if (pressing) {
        *pressing = true;
    }
    PressButton(box, IDOK);
    return seen;
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) {
            return true;
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10, QS_ALLINPUT);
    }
}

void PumpMessagesFor(DWORD milliseconds) {
    PumpMessagesUntil([] { return false; }, milliseconds);
}
