#include "tests/win32/window_helpers.h"

#include <atomic>
#include <thread>
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

HWND FindTopWindow(const char* className, const char* title) {
    Search search{className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(const char* className, const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (HWND found = FindTopWindow(className, title)) {
            return found;
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

namespace {

struct SentMessage {
    bool handled = false;
    LRESULT result = 0;
};

void CALLBACK MessageHandled(HWND, UINT, ULONG_PTR data, LRESULT result) {
    SentMessage* sent = reinterpret_cast<SentMessage*>(data);
    sent->result = result;
    sent->handled = true;
}

}  // namespace

LRESULT SendAndPump(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        return SendMessageA(window, message, wParam, lParam);
    }
    SentMessage sent;
    if (SendMessageCallbackA(window, message, wParam, lParam, MessageHandled,
                             reinterpret_cast<ULONG_PTR>(&sent))) {
        PumpMessagesUntil([&] { return sent.handled; });
    }
    return sent.result;
}

void ClickAndPump(HWND dialog, int id) {
    SendAndPump(GetDlgItem(dialog, id), BM_CLICK);
}

void RunOnOtherThread(const std::function<void()>& body) {
    std::atomic<bool> done{false};
    std::thread thread([&] {
        body();
        done = true;
    });
    PumpMessagesUntil([&] { return done.load(); }, INFINITE);
    thread.join();
}
