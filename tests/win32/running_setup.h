#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "windows/setup_dialog.h"

// The control dialog with a record of its refresh timer: each arming and each
// timer message that reached it.
class RecordingSetup : public Setup_ARRL_10m {
public:
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
class RunningSetup {
public:
    RunningSetup();
    ~RunningSetup();
    RunningSetup(const RunningSetup&) = delete;
    RunningSetup& operator=(const RunningSetup&) = delete;

    HWND Window() const { return m_Window; }
    const RecordingSetup& Dialog() const { return m_Dialog; }
    bool IsChecked(int id) const;

private:
    RecordingSetup m_Dialog;
    HWND m_Window = nullptr;
    std::atomic<bool> m_Ended{false};
    std::thread m_Thread;
};
