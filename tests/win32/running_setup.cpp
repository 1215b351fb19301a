#include "tests/win32/running_setup.h"

#include "tests/win32/window_helpers.h"

namespace {

constexpr char kCaption[] = "Setup ARRL 10 Meter Contest";

}  // namespace

std::vector<UINT> RecordingSetup::Arms() const {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Arms;
}

void RecordingSetup::ArmRefreshTimer(UINT milliseconds) {
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Arms.push_back(milliseconds);
    }
    Setup_ARRL_10m::ArmRefreshTimer(milliseconds);
}

void RecordingSetup::OnTimer(UINT_PTR id) {
    ++m_TimerMessages;
    Setup_ARRL_10m::OnTimer(id);
}

RunningSetup::RunningSetup()
    : m_Dialog(m_State, *this), m_Thread([this] {
          m_Dialog.DoModal();
          // As the module's window thread does: the status windows go on
          // their own thread, whenever the refresh opened them.
          m_State.CloseOpenStatusWindows();
          m_State.m_Host.Disconnect();
          m_Ended = true;
      }) {
    PumpMessagesUntil([this] {
        m_Window = FindTopWindow("#32770", kCaption);
        return m_Window != nullptr || m_Ended;
    });
}

RunningSetup::~RunningSetup() {
    PostMessageA(m_Window, WM_CLOSE, 0, 0);
    PumpMessagesUntil([this] { return m_Ended.load(); });
    m_Thread.join();
}

bool RunningSetup::IsChecked(int id) const {
    return SendAndPump(GetDlgItem(m_Window, id), BM_GETCHECK) == BST_CHECKED;
}
