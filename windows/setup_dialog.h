#pragma once

#include <atomic>

#include "platform/win32/com_helpers.h"
#include "windows/module_dialog.h"

namespace windows {

class Setup_ARRL_10m;
class WindowState;

// What the control dialog tells the thread that runs it: that its window
// exists (the host's threads may post to it from then on), that its start-up
// is over, and that it withdraws before its window is destroyed.
class SetupDialogOwner {
public:
    virtual void PublishSetupDialog(Setup_ARRL_10m* dialog) = 0;
    virtual void WindowThreadStarted() = 0;
    virtual void WithdrawSetupDialog(Setup_ARRL_10m* dialog) = 0;

protected:
    ~SetupDialogOwner() = default;
};

// The control dialog: the operator's choice of mode (sent to the host as
// macros) and of the status windows shown. Runs modally on the window
// thread; owns the one-shot refresh timer REFRESH_TIMER_ID.
class Setup_ARRL_10m : public ModuleDialog {
public:
    // Requests that other threads post to the dialog, and its note to itself,
    // as messages of the application's range: restart the refresh timer
    // after a call check; close the status windows and the dialog; the
    // start-up is over.
    enum Request : UINT {
        kRequestRefresh = WM_APP + 1,
        kRequestClose = WM_APP + 2,
        kStartupDone = WM_APP + 3,
    };

    // The dialog works on the window thread's state and reports to its owner.
    Setup_ARRL_10m(WindowState& state, SetupDialogOwner& owner);

    // The reference to the host's object that the dialog put aside when its
    // window was destroyed during an unload, for the caller to release on
    // this thread; null when none.
    IDispatch* TakeHostLink();

    // From another thread, while the dialog is published: restarts the
    // refresh timer for this delay once the dialog's thread takes the request.
    void RequestRefresh(UINT milliseconds);

protected:
    void DoDataExchange(platform::CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    // Closes the status windows and ends the dialog, once no host call is
    // under way on this thread.
    void Close(int result);
    // Lets go of the status windows and the host link, and withdraws.
    void LetGo();
    // Makes calls to the host; a close that arrives meanwhile waits for them.
    template <typename Call>
    void CallHost(Call call);

    // Starts the refresh timer, or restarts its delay when it is armed.
    virtual void ArmRefreshTimer(UINT milliseconds);

    void OnModeCw();
    void OnModeSsb();
    void OnViewState();
    void OnViewDxcc();

    int m_ViewState = 0;  // the State/Province window is wanted
    int m_ViewDxcc = 0;   // the DXCC window is wanted
    int m_ModeCw = 0;
    int m_ModeSsb = 0;
    bool m_CallingHost = false;
    std::atomic<UINT> m_RequestedDelayMs{0};  // of the last refresh another thread asked for
    int m_PendingClose = 0;                   // the result of a close that waits for a host call
    platform::ComPtr<IDispatch> m_HostLink;
    WindowState& m_State;
    SetupDialogOwner& m_Owner;

private:
    struct ModeChoice;
    void ChooseMode(const ModeChoice& choice);
    void SendModeMacros(bool cw);
    template <typename Window>
    void ToggleView(Window*& window, int& wanted, const char* key);
};

}  // namespace windows
