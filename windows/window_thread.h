#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/mutex.h"
#include "platform/win32/handle_owner.h"
#include "windows/setup_dialog.h"
#include "windows/window_state.h"

namespace engine {
class ContestLog;
}  // namespace engine

namespace windows {

// The exit code of a window thread that an unload had to stop because it
// stayed inside a call out of the module past the unload's bound.
constexpr unsigned long kStoppedThreadExitCode = 0xDEAD0001UL;

// The status windows' thread: it runs the control dialog modally, and with it
// the refresh and the two status windows, on the state it owns. The host's
// threads start it, wake its refresh and close it, always through posted
// messages, so that neither thread ever waits for the other inside a window
// or COM call. The module has one, made as it loads.
//
// Threads: Start, Running and ArmCallCheckRefresh run on the host's threads,
// Close on the unloading thread; the dialog reports to it on the window
// thread. m_DialogLock guards m_pSetupDlg (and the use of its window from
// other threads) and the records of the threads; m_State is the window
// thread's (window_state.h).
class WindowThread : private SetupDialogOwner {
public:
    explicit WindowThread(engine::ContestLog& log) : m_State(log) {}
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    // Starts a thread for the control dialog and returns once its start-up is
    // over (the dialog exists, the host link is made), or after a few seconds
    // at most, handling this thread's messages meanwhile: the start-up calls
    // the host's object, which may live on this thread. Starts none while a
    // dialog exists or another thread's is starting. False when no thread
    // could be created. Call while holding none of the module's locks.
    bool Start() EXCLUDES(m_DialogLock);
    // Whether the control dialog exists.
    bool Running() EXCLUDES(m_DialogLock);
    // Restarts the dialog's refresh timer for this delay, as a call check
    // does; nothing when the dialog is not open.
    void ArmCallCheckRefresh(unsigned milliseconds) EXCLUDES(m_DialogLock);
    // The unload's close: closes the status windows and the control dialog
    // and waits, a few seconds at most, until every window thread has
    // finished; a thread still inside a call out of the module then is
    // stopped, so that no thread ever returns into the module once it is
    // unmapped. Runs under the loader lock: it handles no messages and makes
    // no COM call, and from its start no new call goes to the host.
    void Close() EXCLUDES(m_DialogLock);

private:
    // What a new thread starts with.
    struct Launch {
        WindowThread* owner;
        HANDLE done;
    };
    // A window thread that has not been reaped yet. A thread whose dialog the
    // operator closed may still be finishing when the next one starts. Its
    // handles close with it: only once the thread has set `done` or been stopped.
    struct Record {
        DWORD id = 0;
        platform::CHandle thread;
        platform::CHandle started;  // manual reset: the dialog's start-up is over
        platform::CHandle done;     // manual reset: set by the thread as its very last act
        std::unique_ptr<Launch> launch;
    };

    // The dialog's reports, on the window thread.
    void PublishSetupDialog(Setup_ARRL_10m* dialog) override EXCLUDES(m_DialogLock);
    void WindowThreadStarted() override EXCLUDES(m_DialogLock);
    void WithdrawSetupDialog(Setup_ARRL_10m* dialog) override EXCLUDES(m_DialogLock);

    static DWORD WINAPI ThreadProc(LPVOID launch);
    IDispatch* RunControlDialog() EXCLUDES(m_DialogLock);
    [[noreturn]] void FinishThread(HANDLE done, IDispatch* hostLink);
    bool CreateRecord(Record& t);
    void ReapFinishedThreads() REQUIRES(m_DialogLock);
    bool ThreadStarting() const REQUIRES(m_DialogLock);
    void PostToDialog(UINT request) REQUIRES(m_DialogLock);
    void NoteDialog(Setup_ARRL_10m* dialog) REQUIRES(m_DialogLock);
    void FinishOrStop(const std::vector<Record>& threads) EXCLUDES(m_DialogLock);
    void TakeBackFrom(DWORD stopped) EXCLUDES(m_DialogLock);

    WindowState m_State;

    platform::Mutex m_DialogLock;
    // The running control dialog; null while its window does not exist.
    Setup_ARRL_10m* m_pSetupDlg GUARDED_BY(m_DialogLock) = nullptr;
    std::vector<Record> m_Threads GUARDED_BY(m_DialogLock);
    // Each window thread's control dialog while it runs, by thread: what the
    // unload takes back from a thread that it had to stop.
    std::vector<std::pair<DWORD, Setup_ARRL_10m*>> m_Dialogs GUARDED_BY(m_DialogLock);
    // The close came before the dialog's window existed.
    bool m_CloseRequested GUARDED_BY(m_DialogLock) = false;
    // Set before the first window thread is created, which then reads it.
    PAPCFUNC m_ExitThreadApc = nullptr;
};

}  // namespace windows
