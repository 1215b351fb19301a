#include "windows/window_thread.h"

#include <windows.h>

#include <mutex>
#include <vector>

#include "resources/resource.h"
#include "windows/host_app.h"
#include "windows/setup_dialog.h"

Setup_ARRL_10m* g_pSetupDlg = nullptr;

namespace {

// How long a reset waits for the window thread's start-up, and the unload for
// the threads to finish, before going on.
constexpr DWORD kStartTimeoutMs = 3000;
constexpr DWORD kCloseTimeoutMs = 3000;
// How long the unload waits for a stopped thread to be gone.
constexpr DWORD kStopTimeoutMs = 1000;

// A window thread that has not been reaped yet. A thread whose dialog the
// operator closed may still be finishing when the next one starts.
struct WindowThread {
    DWORD id = 0;
    HANDLE thread = nullptr;
    HANDLE started = nullptr;  // manual reset: the dialog's start-up is over
    HANDLE done = nullptr;     // manual reset: set by the thread as its very last act
};

std::mutex g_DialogLock;  // guards everything below and g_pSetupDlg's window
std::vector<WindowThread> g_Threads;
bool g_CloseRequested = false;  // the close came before the dialog's window existed
PAPCFUNC g_ExitThreadApc = nullptr;

bool IsSet(HANDLE event) {
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

void CloseThreadHandles(const WindowThread& t) {
    CloseHandle(t.thread);
    CloseHandle(t.started);
    CloseHandle(t.done);
}

// Lets go of the threads that have finished; under the lock.
void ReapFinishedThreads() {
    std::vector<WindowThread> running;
    for (const WindowThread& t : g_Threads) {
        if (IsSet(t.done)) {
            CloseThreadHandles(t);
        } else {
            running.push_back(t);
        }
    }
    g_Threads.swap(running);
}

void PostToDialog(WPARAM command) {
    PostMessageA(g_pSetupDlg->GetSafeHwnd(), WM_COMMAND, command, 0);
}

// Runs the dialog; the host link it leaves, for the caller to release.
IDispatch* RunControlDialog() {
    {
        std::lock_guard<std::mutex> lock(g_DialogLock);
        if (g_pSetupDlg) {
            return nullptr;  // another thread runs the dialog
        }
    }
    Setup_ARRL_10m dialog;
    dialog.DoModal(nullptr);
    return dialog.TakeHostLink();
}

// A COM method takes its object as its one stack argument and cleans the
// stack itself, the shape of an APC routine: IUnknown::Release, third entry
// of every COM vtable, can be queued as one.
PAPCFUNC ReleaseRoutine(IDispatch* object) {
    void* const* vtable = *reinterpret_cast<void* const* const*>(object);
    return reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(vtable[2]));
}

// Tells the other threads that this one has finished and leaves without
// returning into the module, which may be unmapped the moment the event is
// set: what is left to do runs as APCs queued beforehand, inside the
// alertable wait that follows the signal in the same call (on the thread's
// own handle, which is never signalled while it runs). The last host link is
// released there, outside the module and after the unload's close: released
// under the loader lock, or left to the apartment's end at thread exit,
// which also runs under it, the call to the host's apartment could wait for
// a host thread that waits for that lock.
[[noreturn]] void FinishThread(HANDLE done, IDispatch* hostLink) {
    if (hostLink) {
        QueueUserAPC(ReleaseRoutine(hostLink), GetCurrentThread(),
                     reinterpret_cast<ULONG_PTR>(hostLink));
    }
    QueueUserAPC(g_ExitThreadApc, GetCurrentThread(), 0);
    SignalObjectAndWait(done, GetCurrentThread(), INFINITE, TRUE);
    ExitThread(0);  // only if the wait failed, while the module is still loaded
}

DWORD WINAPI WindowThreadProc(LPVOID done) {
    IDispatch* hostLink = RunControlDialog();
    FinishThread(static_cast<HANDLE>(done), hostLink);
}

bool CreateWindowThread(WindowThread& t) {
    if (!g_ExitThreadApc) {
        // ExitThread takes one pointer-sized argument, as an APC does.
        g_ExitThreadApc = reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "ExitThread")));
    }
    t.started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    t.done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (g_ExitThreadApc && t.started && t.done) {
        t.thread = CreateThread(nullptr, 0, WindowThreadProc, t.done, CREATE_SUSPENDED, &t.id);
    }
    if (!t.thread) {
        CloseThreadHandles(t);
        return false;
    }
    return true;
}

// Waits for one of the events, handling this thread's messages meanwhile.
void WaitHandlingMessages(const HANDLE (&events)[2], DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) {
            return;
        }
        const DWORD woke =
            MsgWaitForMultipleObjects(2, events, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        if (woke != WAIT_OBJECT_0 + 2) {
            return;  // signalled, timed out or failed
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

// Waits, without handling messages, for each thread to finish, and stops the
// ones that do not. A thread still running then is inside a call out of the
// module (a host call that does not return, a host apartment that is busy or
// gone): it holds none of the module's locks, since no host call is made
// under one, and none of COM's, since COM holds none while it waits for the
// host's answer. Terminating it is what keeps it from ever returning into the
// unmapped module; its windows go with it, destroyed by the window system
// without a call to their window procedures, which only their own thread
// could run.
void FinishOrStop(const std::vector<WindowThread>& threads) {
    const DWORD start = GetTickCount();
    for (const WindowThread& t : threads) {
        const DWORD elapsed = GetTickCount() - start;
        const DWORD left = elapsed < kCloseTimeoutMs ? kCloseTimeoutMs - elapsed : 0;
        if (WaitForSingleObject(t.done, left) != WAIT_OBJECT_0) {
            TerminateThread(t.thread, kStoppedThreadExitCode);
            WaitForSingleObject(t.thread, kStopTimeoutMs);
        }
        CloseThreadHandles(t);
    }
}

}  // namespace

bool StartWindowThread() {
    WindowThread t;
    {
        std::lock_guard<std::mutex> lock(g_DialogLock);
        ReapFinishedThreads();
        if (!CreateWindowThread(t)) {
            return false;
        }
        g_CloseRequested = false;
        g_Threads.push_back(t);
        ResumeThread(t.thread);
    }
    // The start-up calls the host; this thread may be the one that answers.
    const HANDLE startUp[2] = {t.started, t.done};
    WaitHandlingMessages(startUp, kStartTimeoutMs);
    return true;
}

bool WindowThreadRunning() {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    return g_pSetupDlg != nullptr;
}

void ArmCallCheckRefresh() {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    if (g_pSetupDlg) {
        PostToDialog(IDM_CALL_CHECK_REFRESH);
    }
}

void CloseWindowThread() {
    RefuseHostCalls();
    std::vector<WindowThread> threads;
    {
        std::lock_guard<std::mutex> lock(g_DialogLock);
        if (g_pSetupDlg) {
            PostToDialog(IDM_CLOSE_STATUS_WINDOWS);
        } else {
            g_CloseRequested = true;  // the dialog closes itself as soon as it exists
        }
        threads.swap(g_Threads);
    }
    FinishOrStop(threads);
}

void PublishSetupDialog(Setup_ARRL_10m* dialog) {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    g_pSetupDlg = dialog;
    if (g_CloseRequested) {
        PostToDialog(IDM_CLOSE_STATUS_WINDOWS);
    }
}

void WindowThreadStarted() {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    for (const WindowThread& t : g_Threads) {
        if (t.id == GetCurrentThreadId()) {
            SetEvent(t.started);
        }
    }
}

void WithdrawSetupDialog(Setup_ARRL_10m* dialog) {
    std::lock_guard<std::mutex> lock(g_DialogLock);
    if (g_pSetupDlg == dialog) {
        g_pSetupDlg = nullptr;
    }
}
