#include "host/chaos/desk_operator.h"

#include <string>

#include "host/chaos/qso_maker.h"

namespace {

// How long a send to another thread's window may wait for it.
constexpr UINT kSendTimeoutMs = 300;

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

struct ChildSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (IsWindowVisible(child) && lstrcmpiA(name, search->className) == 0) {
        search->found.push_back(child);
    }
    return TRUE;
}

bool IsDialog(HWND window) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

void SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                        kSendTimeoutMs, &result);
}

// What the operator types: odd texts, but no longer than a person types or
// pastes into a field; a line of many thousand characters keeps Wine's
// multi-line edit control shaping it for minutes.
std::string TypedText(ChaosRandom& random) {
    constexpr std::size_t kLongestTyped = 2000;
    return QsoMaker::OddText(random).Read().substr(0, kLongestTyped);
}

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

std::vector<HWND> ProcessWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string TitleOf(HWND window) {
    wchar_t title[80] = L"";
    InternalGetWindowText(window, title, 80);
    std::string narrow;
    for (const wchar_t* c = title; *c; ++c) {
        narrow += static_cast<char>(*c < 128 ? *c : '?');
    }
    return narrow;
}

HWND DeskOperator::AnyWindow(ChaosRandom& random) const {
    const std::vector<HWND> windows = ProcessWindows();
    return windows.empty() ? nullptr : windows[random.Below(static_cast<uint32_t>(windows.size()))];
}

HWND DeskOperator::AnyChild(HWND window, const char* className, ChaosRandom& random) {
    ChildSearch search{className, {}};
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found.empty()
               ? nullptr
               : search.found[random.Below(static_cast<uint32_t>(search.found.size()))];
}

void DeskOperator::AnswerDialogs(ChaosRandom& random) {
    std::map<HWND, DWORD> waiting;
    for (HWND window : ProcessWindows()) {
        if (!IsDialog(window) || !m_OnHostThread(GetWindowThreadProcessId(window, nullptr))) {
            continue;
        }
        const auto known = m_Waiting.find(window);
        const DWORD due =
            known != m_Waiting.end() ? known->second : GetTickCount() + random.Between(30, 500);
        if (static_cast<LONG>(GetTickCount() - due) >= 0) {
            const DWORD lateMs = GetTickCount() - due;
            Answer(window, lateMs, random);
            if (lateMs > 3000 && m_Stuck.insert(window).second) {
                m_Run.Log("the operator's answers do not close the dialog \"" + TitleOf(window) +
                          "\" of thread " +
                          std::to_string(GetWindowThreadProcessId(window, nullptr)));
            }
        }
        waiting[window] = due;
    }
    m_Waiting.swap(waiting);
}

// Types into a field now and then, and closes the dialog as an operator does:
// OK, Cancel, the close box, Escape or Enter. A dialog still open a second
// after it was due gets Cancel.
void DeskOperator::Answer(HWND dialog, DWORD lateMs, ChaosRandom& random) {
    if (random.Percent(30)) {
        if (HWND field = AnyChild(dialog, "Edit", random)) {
            SendBounded(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(TypedText(random).c_str()));
        }
    }
    if (lateMs > 1000) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    switch (random.Below(4)) {
        case 0:
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            break;
        case 1:
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            break;
        case 2:
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        default: {
            HWND control = GetNextDlgTabItem(dialog, nullptr, FALSE);
            PostKey(control ? control : dialog, random.Percent(50) ? VK_ESCAPE : VK_RETURN);
            break;
        }
    }
}

void DeskOperator::Click(ChaosRandom& random) {
    if (HWND window = AnyWindow(random)) {
        if (HWND button = AnyChild(window, "Button", random)) {
            PostMessageA(button, BM_CLICK, 0, 0);
        }
    }
}

void DeskOperator::Close(ChaosRandom& random) {
    if (HWND window = AnyWindow(random)) {
        const UINT messages[] = {WM_CLOSE, WM_SYSCOMMAND};
        const UINT message = random.PickFrom(messages);
        PostMessageA(window, message, message == WM_SYSCOMMAND ? SC_CLOSE : 0, 0);
    }
}

void DeskOperator::Move(ChaosRandom& random) {
    if (HWND window = AnyWindow(random)) {
        const int places[] = {0, 40, 300, 900, 1200, -60, -5000, 30000};
        SetWindowPos(window, nullptr, random.PickFrom(places) + static_cast<int>(random.Below(50)),
                     random.PickFrom(places), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
}

void DeskOperator::Key(ChaosRandom& random) {
    if (HWND window = AnyWindow(random)) {
        const WPARAM keys[] = {VK_ESCAPE, VK_RETURN, VK_SPACE, VK_TAB, VK_DOWN, 'C'};
        HWND target = AnyChild(window, "Button", random);
        PostKey(target ? target : window, random.PickFrom(keys));
    }
}

void DeskOperator::Type(ChaosRandom& random) {
    if (HWND window = AnyWindow(random)) {
        const char* const classes[] = {"Edit", "ComboBox"};
        if (HWND field = AnyChild(window, random.PickFrom(classes), random)) {
            SendBounded(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(TypedText(random).c_str()));
        }
    }
}

void DeskOperator::Point(ChaosRandom& random) {
    if (HWND window = AnyWindow(random)) {
        const LPARAM where = MAKELPARAM(random.Below(200), random.Below(200));
        PostMessageA(window, WM_MOUSEMOVE, 0, where);
        SendBounded(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                    MAKELPARAM(random.Percent(50) ? HTCAPTION : HTCLIENT, WM_MOUSEMOVE));
    }
}
