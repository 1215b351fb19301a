#include "windows/window_thread.h"

#include <windows.h>

#include <mutex>

#include "resources/resource.h"
#include "windows/host_app.h"
#include "windows/setup_dialog.h"
#include "windows/status_windows.h"

Setup_ARRL_10m* g_pSetupDlg = nullptr;

namespace {

// How long unloading waits for the window thread before going on.
constexpr DWORD kCloseTimeoutMs = 5000;

std::mutex g_DialogLock;        // guards everything below and g_pSetupDlg's window
bool g_ThreadStarted = false;   // a thread was started; it has finished once g_ThreadDone is set
bool g_CloseRequested = false;  // the close came before the dialog's window existed
HANDLE g_ThreadDone = nullptr;  // manual reset, set by the thread as its very last act
HANDLE g_NeverSignalled = nullptr;
PAPCFUNC g_ExitThreadApc = nullptr;

bool Finished() {
    return WaitForSingleObject(g_ThreadDone, 0) == WAIT_OBJECT_0;
}

bool PrepareThreadObjects() {
    if (!g_ThreadDone) {
        g_ThreadDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        g_NeverSignalled = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        // ExitThread takes one pointer-sized argument, as an APC does.
        g_ExitThreadApc = reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "ExitThread")));
    }
    return g_ThreadDone && g_NeverSignalled && g_ExitThreadApc;
}

void PostToDialog(WPARAM command) {
    PostMessageA(g_pSetupDlg->GetSafeHwnd(), WM_COMMAND, command, 0);
}

void RunControlDialog() {
    {
        std::lock_guard<std::mutex> lock(g_DialogLock);
        if (g_pSetupDlg) {
            return;  // another thread runs the dialog
        }
    }
    {
        Setup_ARRL_10m dialog;
        dialog.DoModal(nullptr);
    }
    CloseOpenStatusWindows();  // whatever the operator left open goes with the thread
    DisconnectHost();
}

// Tells the host's thread that the dialog has ended and leaves without
// returning into the module, which may be unloaded the moment the event is
// set: the queued ExitThread runs inside the wait that follows the signal.
[[noreturn]] void FinishThread() {
    QueueUserAPC(g_ExitThreadApc, GetCurrentThread(), 0);
    SignalObjectAndWait(g_ThreadDone, g_NeverSignalled, INFINITE, TRUE);
    ExitThread(0);  // only if the wait failed, while the module is still loaded
}

DWORD WINAPI WindowThreadProc(LPVOID) {
    RunControlDialog();
    FinishThread();
}

// Waits for the event while handling this thread's messages: the window
// thread may be inside a COM call to an object that lives on this thread.
void WaitHandlingMessages(HANDLE event, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) {
            return;
        }
        const DWORD woke =
            MsgWaitForMultipleObjects(1, &event, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        if (woke != WAIT_OBJECT_0 + 1) {
            return;  // signalled, timed out or failed
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

bool StartWindowThread() {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    if ((g_ThreadStarted && !Finished()) || !PrepareThreadObjects()) {
        return false;
    }
    ResetEvent(g_ThreadDone);
    g_CloseRequested = false;
    HANDLE thread = CreateThread(nullptr, 0, WindowThreadProc, nullptr, 0, nullptr);
    g_ThreadStarted = thread != nullptr;
    if (!thread) {
        return false;
    }
    CloseHandle(thread);  // detached: followed through the dialog and the event
    return true;
}

bool WindowThreadRunning() {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    return g_pSetupDlg || (g_ThreadStarted && !Finished());
}

void ArmCallCheckRefresh() {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    if (g_pSetupDlg) {
        PostToDialog(IDM_CALL_CHECK_REFRESH);
    }
}

void CloseWindowThread() {
    {
        std::lock_guard<std::mutex> lock(g_DialogLock);
        if (!g_ThreadStarted || Finished()) {
            return;
        }
        if (g_pSetupDlg) {
            PostToDialog(IDM_CLOSE_STATUS_WINDOWS);
        } else {
            g_CloseRequested = true;  // the dialog closes itself as soon as it exists
        }
    }
    WaitHandlingMessages(g_ThreadDone, kCloseTimeoutMs);
}

void PublishSetupDialog(Setup_ARRL_10m* dialog) {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    g_pSetupDlg = dialog;
    if (g_CloseRequested) {
        PostToDialog(IDM_CLOSE_STATUS_WINDOWS);
    }
}

void WithdrawSetupDialog(Setup_ARRL_10m* dialog) {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    if (g_pSetupDlg == dialog) {
        g_pSetupDlg = nullptr;
    }
}
