#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/contest_log.h"
#include "windows/setup_dialog.h"
#include "windows/window_state.h"

// The control dialog with a record of its refresh timer: each arming and each
// timer message that reached it.
class RecordingSetup : public windows::Setup_ARRL_10m {
public:
    using Setup_ARRL_10m::Setup_ARRL_10m;
    std::vector<UINT> Arms() const;
    int TimerMessages() const { return m_TimerMessages; }

protected:
    void ArmRefreshTimer(UINT milliseconds) override;
    void OnTimer(UINT_PTR id) override;

private:
    mutable std::mutex m_Lock;
    std::vector<UINT> m_Arms;
    std::atomic<int> m_TimerMessages{0};
};

// The control dialog run modally on a window thread of its own, as the module
// runs it, until the object goes; the status windows it opened close after it.
// It owns the dialog as the module's window thread does.
class RunningSetup : private windows::SetupDialogOwner {
public:
    RunningSetup();
    ~RunningSetup();
    RunningSetup(const RunningSetup&) = delete;
    RunningSetup& operator=(const RunningSetup&) = delete;

    HWND Window() const { return m_Window; }
    const RecordingSetup& Dialog() const { return m_Dialog; }
    const windows::WindowState& State() const { return m_State; }
    bool IsChecked(int id) const;
    // Whether the dialog has published itself, as the host's threads see it.
    bool Published() const { return m_Published; }
    // A call check's request to the published dialog.
    void RequestRefresh(UINT milliseconds) { m_Dialog.RequestRefresh(milliseconds); }

private:
    void PublishSetupDialog(windows::Setup_ARRL_10m*) override { m_Published = true; }
    void WindowThreadStarted() override {}
    void WithdrawSetupDialog(windows::Setup_ARRL_10m*) override { m_Published = false; }

    engine::ContestLog m_Log;
    windows::WindowState m_State{m_Log};
    std::atomic<bool> m_Published{false};
    RecordingSetup m_Dialog;
    HWND m_Window = nullptr;
    std::atomic<bool> m_Ended{false};
    std::thread m_Thread;
};
