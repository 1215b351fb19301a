#include "host/simulator/desktop_driver.h"

#include <algorithm>
#include <vector>

namespace {

struct DialogSearch {
    const std::function<bool(const std::string&)>* titleTest;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpA(cls, "#32770") == 0 &&
        (*search->titleTest)(WindowTitle(window))) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void PumpMessagesFor(DWORD milliseconds) {
    PumpMessagesUntil([] { return false; }, milliseconds);
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
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(10, timeoutMs - elapsed),
                                  QS_ALLINPUT);
    }
}

std::string WindowTitle(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> buf(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, buf.data(), length + 1);
    return buf.data();
}

HWND FindDialog(const std::function<bool(const std::string&)>& titleTest) {
    DialogSearch search{&titleTest, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDialogTitled(const std::string& title) {
    return FindDialog([&](const std::string& t) { return t == title; });
}

HWND WaitForDialogTitled(const std::string& title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND dialog = FindDialogTitled(title)) {
            return dialog;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return nullptr;
        }
        Sleep(10);
    }
}

void PostClick(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
