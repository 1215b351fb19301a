#include "windows/window_thread.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace windows {

namespace {

// How long a reset waits for the window thread's start-up, and the unload for
// the threads to finish, before going on.
constexpr DWORD kStartTimeoutMs = 3000;
constexpr DWORD kCloseTimeoutMs = 3000;
// How long the unload waits for a stopped thread to be gone.
constexpr DWORD kStopTimeoutMs = 1000;
// The address space a window thread reserves for its stack: what a stopped
// thread leaves of it. Its deepest path (the dialogs, a host call with COM's
// wait for the answer, the status button's drawing) uses a few tens of KiB.
constexpr SIZE_T kStackReserveBytes = 256 * 1024;

bool IsSet(HANDLE event) {
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

// A COM method takes its object as its one stack argument and cleans the
// stack itself, the shape of an APC routine: IUnknown::Release, third entry
// of every COM vtable, can be queued as one.
PAPCFUNC ReleaseRoutine(IDispatch* object) {
    void* const* vtable = *reinterpret_cast<void* const* const*>(object);
    return reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(vtable[2]));
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

}  // namespace

// Lets go of the threads that have finished; under the lock.
void WindowThread::ReapFinishedThreads() {
    std::vector<Record> running;
    for (Record& t : m_Threads) {
        if (!IsSet(t.done.Get())) {
            running.push_back(std::move(t));
        }
    }
    m_Threads.swap(running);  // the finished ones go with the old list
}

// Whether a window thread has started and not yet shown its dialog; under the lock.
bool WindowThread::ThreadStarting() const {
    for (const Record& t : m_Threads) {
        if (!IsSet(t.started.Get()) && !IsSet(t.done.Get())) {
            return true;
        }
    }
    return false;
}

void WindowThread::PostToDialog(UINT request) {
    PostMessageA(m_pSetupDlg->GetSafeHwnd(), request, 0, 0);
}

// Notes (or, with null, forgets) the calling thread's control dialog; under the lock.
void WindowThread::NoteDialog(Setup_ARRL_10m* dialog) {
    const DWORD self = GetCurrentThreadId();
    m_Dialogs.erase(std::remove_if(m_Dialogs.begin(), m_Dialogs.end(),
                                   [self](const auto& d) { return d.first == self; }),
                    m_Dialogs.end());
    if (dialog) {
        m_Dialogs.emplace_back(self, dialog);
    }
}

// Runs the dialog; the host link it leaves, for the caller to release. The
// dialog lives on the heap, not on this thread's stack, so that an unload that
// stops the thread can take it back.
IDispatch* WindowThread::RunControlDialog() {
    SetupDialogOwner& owner = *this;
    auto dialog = std::make_unique<Setup_ARRL_10m>(m_State, owner);
    {
        platform::MutexLock lock(m_DialogLock);
        if (m_pSetupDlg) {
            return nullptr;  // another thread runs the dialog
        }
        NoteDialog(dialog.get());
    }
    dialog->DoModal(nullptr);
    platform::MutexLock lock(m_DialogLock);
    NoteDialog(nullptr);
    return dialog->TakeHostLink();
}

// What a stopped thread held of the module's own: its control dialog and the
// status windows, with their brushes and memory. Their windows went with the
// thread, and so they are let go of without a message to them; a host link
// that the dialog held stays with the process, as the state's own does, since
// no COM call is made here.
void WindowThread::TakeBackFrom(DWORD stopped) {
    platform::MutexLock lock(m_DialogLock);
    for (const auto& [thread, dialog] : m_Dialogs) {
        if (thread == stopped) {
            dialog->TakeHostLink();
            m_pSetupDlg = m_pSetupDlg == dialog ? nullptr : m_pSetupDlg;
            delete dialog;
            m_State.DeleteStatusWindows();
        }
    }
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
void WindowThread::FinishThread(HANDLE done, IDispatch* hostLink) {
    if (hostLink) {
        QueueUserAPC(ReleaseRoutine(hostLink), GetCurrentThread(),
                     reinterpret_cast<ULONG_PTR>(hostLink));
    }
    QueueUserAPC(m_ExitThreadApc, GetCurrentThread(), 0);
    SignalObjectAndWait(done, GetCurrentThread(), INFINITE, TRUE);
    ExitThread(0);  // only if the wait failed, while the module is still loaded
}

DWORD WINAPI WindowThread::ThreadProc(LPVOID launch) {
    const Launch start = *static_cast<const Launch*>(launch);
    IDispatch* hostLink = start.owner->RunControlDialog();
    start.owner->FinishThread(start.done, hostLink);
}

bool WindowThread::CreateRecord(Record& t) {
    if (!m_ExitThreadApc) {
        // ExitThread takes one pointer-sized argument, as an APC does.
        m_ExitThreadApc = reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "ExitThread")));
    }
    t.started.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    t.done.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    t.launch = std::make_unique<Launch>(Launch{this, t.done.Get()});
    if (m_ExitThreadApc && t.started && t.done) {
        t.thread.Reset(CreateThread(nullptr, kStackReserveBytes, ThreadProc, t.launch.get(),
                                    CREATE_SUSPENDED | STACK_SIZE_PARAM_IS_A_RESERVATION, &t.id));
    }
    return static_cast<bool>(t.thread);
}

// Waits, without handling messages, for each thread to finish, and stops the
// ones that do not. A thread still running then is inside a call out of the
// module (a host call that does not return, a host apartment that is busy or
// gone): it holds none of the module's locks, since no host call is made
// under one, and none of COM's, since COM holds none while it waits for the
// host's answer. Terminating it is what keeps it from ever returning into the
// unmapped module; its windows go with it, destroyed by the window system
// without a call to their window procedures, which only their own thread
// could run. What it held of the module's own is taken back.
void WindowThread::FinishOrStop(const std::vector<Record>& threads) {
    const DWORD start = GetTickCount();
    for (const Record& t : threads) {
        const DWORD elapsed = GetTickCount() - start;
        const DWORD left = elapsed < kCloseTimeoutMs ? kCloseTimeoutMs - elapsed : 0;
        if (WaitForSingleObject(t.done.Get(), left) != WAIT_OBJECT_0) {
            TerminateThread(t.thread.Get(), kStoppedThreadExitCode);
            WaitForSingleObject(t.thread.Get(), kStopTimeoutMs);
            TakeBackFrom(t.id);
        }
    }
}

bool WindowThread::Start() {
    HANDLE startUp[2];
    {
        platform::MutexLock lock(m_DialogLock);
        ReapFinishedThreads();
        if (m_pSetupDlg || ThreadStarting()) {
            // Host threads that reset at once start one dialog between them:
            // a second would share the first one's link to the host.
            return true;
        }
        Record t;
        if (!CreateRecord(t)) {
            return false;  // what was made closes with t
        }
        m_CloseRequested = false;
        m_Threads.push_back(std::move(t));
        const Record& started = m_Threads.back();
        startUp[0] = started.started.Get();
        startUp[1] = started.done.Get();
        ResumeThread(started.thread.Get());
    }
    // The start-up calls the host; this thread may be the one that answers.
    WaitHandlingMessages(startUp, kStartTimeoutMs);
    return true;
}

bool WindowThread::Running() {
    platform::MutexLock lock(m_DialogLock);
    return m_pSetupDlg != nullptr;
}

void WindowThread::ArmCallCheckRefresh(unsigned milliseconds) {
    platform::MutexLock lock(m_DialogLock);
    if (m_pSetupDlg) {
        m_pSetupDlg->RequestRefresh(milliseconds);
    }
}

void WindowThread::Close() {
    m_State.m_Host.m_HostApp.RefuseCalls();
    std::vector<Record> threads;
    {
        platform::MutexLock lock(m_DialogLock);
        if (m_pSetupDlg) {
            PostToDialog(Setup_ARRL_10m::kRequestClose);
        } else {
            m_CloseRequested = true;  // the dialog closes itself as soon as it exists
        }
        threads.swap(m_Threads);
    }
    FinishOrStop(threads);
    // Their handles close as the list goes, each thread finished or stopped.
}

void WindowThread::PublishSetupDialog(Setup_ARRL_10m* dialog) {
    platform::MutexLock lock(m_DialogLock);
    m_pSetupDlg = dialog;
    if (m_CloseRequested) {
        PostToDialog(Setup_ARRL_10m::kRequestClose);
    }
}

void WindowThread::WindowThreadStarted() {
    platform::MutexLock lock(m_DialogLock);
    for (const Record& t : m_Threads) {
        if (t.id == GetCurrentThreadId()) {
            SetEvent(t.started.Get());
        }
    }
}

void WindowThread::WithdrawSetupDialog(Setup_ARRL_10m* dialog) {
    platform::MutexLock lock(m_DialogLock);
    if (m_pSetupDlg == dialog) {
        m_pSetupDlg = nullptr;
    }
}

}  // namespace windows
