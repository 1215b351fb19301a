#include "windows/setup_dialog.h"

#include "engine/settings.h"
#include "engine/settings_keys.h"
#include "platform/win32/data_exchange.h"
#include "resources/resource.h"
#include "windows/refresh_adapters.h"
#include "windows/status_texts.h"
#include "windows/status_windows.h"

namespace windows {

namespace {

// The delay of the refresh after the dialog opens, a mode is chosen or a
// status window is opened.
constexpr UINT kRefreshDelayMs = 300;

}  // namespace

// One of the two mode boxes, which act as a pair of radio buttons.
struct Setup_ARRL_10m::ModeChoice {
    int Setup_ARRL_10m::*chosen;
    int Setup_ARRL_10m::*other;
    const char* key;
    const char* otherKey;
    const char* modeValue;
    bool cw;
};

Setup_ARRL_10m::Setup_ARRL_10m(WindowState& state, SetupDialogOwner& owner)
    : ModuleDialog(IDD_SETUP_ARRL_10M, kSetupWindow, kPaleColours, state.m_Position),
      m_State(state),
      m_Owner(owner) {}

void Setup_ARRL_10m::SendModeMacros(bool cw) {
    CHostApp& host = m_State.m_Host.m_HostApp;
    if (cw) {
        host.RunMacro(kMacroModeCw);
        host.RunMacro(kMacroBaudRate);
    } else {
        host.RunMacro(kMacroModeSsb);
    }
}

void Setup_ARRL_10m::DoDataExchange(platform::CDataExchange* dx) {
    DDX_Check(dx, IDC_VIEW_STATE, m_ViewState);
    DDX_Check(dx, IDC_VIEW_DXCC, m_ViewDxcc);
    DDX_Check(dx, IDC_MODE_CW, m_ModeCw);
    DDX_Check(dx, IDC_MODE_SSB, m_ModeSsb);
}

BOOL Setup_ARRL_10m::OnInitDialog() {
    m_ModeCw = engine::ReadSettingInt(engine::kKeyModeCw);
    m_ModeSsb = engine::ReadSettingInt(engine::kKeyModeSsb);
    m_ViewState = engine::ReadSettingInt(engine::kKeyViewState);
    m_ViewDxcc = engine::ReadSettingInt(engine::kKeyViewDxcc);
    ModuleDialog::OnInitDialog();  // the choices into the boxes, the window in its place
    m_State.m_Host.Connect();
    m_State.m_Refresh.FillBandNames();
    SendModeMacros(m_ModeCw != 0);
    ArmRefreshTimer(kRefreshDelayMs);
    // The status windows open at the first refresh, not here.
    m_Owner.PublishSetupDialog(this);
    // The start-up ends once the dialog has been shown and painted: showing a
    // thread's first window loads and looks up libraries, which takes the
    // loader lock that an unload would hold.
    PostMessageA(GetSafeHwnd(), kStartupDone, 0, 0);
    return TRUE;
}

void Setup_ARRL_10m::OnOK() {
    Close(IDOK);
}

void Setup_ARRL_10m::OnCancel() {
    Close(IDCANCEL);
}

void Setup_ARRL_10m::OnDestroy() {
    LetGo();
}

void Setup_ARRL_10m::Close(int result) {
    if (m_CallingHost) {
        m_PendingClose = result;  // a host call is under way further up this thread's stack
        return;
    }
    LetGo();
    EndDialog(result);
}

// As soon as the dialog ends, whatever the operator left open goes with it,
// and so does the host link, and the dialog withdraws: a reset that comes now
// starts a new dialog on a new thread, which uses the same windows and link.
// While the module unloads, the link is only put aside for the window
// thread's last act (see window_thread.cpp).
void Setup_ARRL_10m::LetGo() {
    KillTimer(GetSafeHwnd(), REFRESH_TIMER_ID);
    m_State.CloseOpenStatusWindows();
    HostConnection& host = m_State.m_Host;
    if (host.m_HostApp.CallsRefused()) {
        if (IDispatch* link = host.Detach()) {
            m_HostLink.Reset(link);
        }
    } else {
        host.Disconnect();
    }
    m_Owner.WithdrawSetupDialog(this);
}

IDispatch* Setup_ARRL_10m::TakeHostLink() {
    return m_HostLink.Detach();
}

void Setup_ARRL_10m::RequestRefresh(UINT milliseconds) {
    m_RequestedDelayMs = milliseconds;
    PostMessageA(GetSafeHwnd(), kRequestRefresh, 0, 0);
}

template <typename Call>
void Setup_ARRL_10m::CallHost(Call call) {
    m_CallingHost = true;
    call();
    m_CallingHost = false;
    if (m_PendingClose != 0) {
        Close(m_PendingClose);
    }
}

// Posted by the host's thread, which never touches this thread's windows.
bool Setup_ARRL_10m::OnAppMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case kRequestRefresh:
            ArmRefreshTimer(m_RequestedDelayMs);
            return true;
        case kRequestClose:
            Close(IDCANCEL);
            return true;
        case kStartupDone:
            UpdateWindow(GetSafeHwnd());
            m_Owner.WindowThreadStarted();
            return true;
        default:
            return false;
    }
}

bool Setup_ARRL_10m::OnCommand(int id, int code) {
    static const struct {
        int id;
        void (Setup_ARRL_10m::*handler)();
    } kClickHandlers[] = {
        {IDC_MODE_CW, &Setup_ARRL_10m::OnModeCw},
        {IDC_MODE_SSB, &Setup_ARRL_10m::OnModeSsb},
        {IDC_VIEW_STATE, &Setup_ARRL_10m::OnViewState},
        {IDC_VIEW_DXCC, &Setup_ARRL_10m::OnViewDxcc},
    };
    if (code != BN_CLICKED) {
        return false;
    }
    for (const auto& entry : kClickHandlers) {
        if (entry.id == id) {
            (this->*entry.handler)();
            return true;
        }
    }
    return false;
}

void Setup_ARRL_10m::OnTimer(UINT_PTR) {
    KillTimer(GetSafeHwnd(), REFRESH_TIMER_ID);
    CallHost([this] { RefreshStatusWindows(m_State, m_ViewState != 0, m_ViewDxcc != 0); });
}

void Setup_ARRL_10m::ArmRefreshTimer(UINT milliseconds) {
    SetTimer(GetSafeHwnd(), REFRESH_TIMER_ID, milliseconds, nullptr);
}

void Setup_ARRL_10m::OnModeCw() {
    ChooseMode({&Setup_ARRL_10m::m_ModeCw, &Setup_ARRL_10m::m_ModeSsb, engine::kKeyModeCw,
                engine::kKeyModeSsb, "1", true});
}

void Setup_ARRL_10m::OnModeSsb() {
    ChooseMode({&Setup_ARRL_10m::m_ModeSsb, &Setup_ARRL_10m::m_ModeCw, engine::kKeyModeSsb,
                engine::kKeyModeCw, "0", false});
}

void Setup_ARRL_10m::ChooseMode(const ModeChoice& choice) {
    // The stored choice decides, not the box's own toggled mark.
    this->*choice.chosen = engine::ReadSettingInt(choice.key);
    if (this->*choice.chosen != 0) {
        UpdateData(false);
        return;
    }
    this->*choice.chosen = 1;
    this->*choice.other = 0;
    UpdateData(false);
    engine::WriteSetting(choice.key, "1");
    engine::WriteSetting(engine::kKeyMode, choice.modeValue);
    engine::WriteSetting(choice.otherKey, "0");
    CallHost([&] { SendModeMacros(choice.cw); });
    ArmRefreshTimer(kRefreshDelayMs);
}

void Setup_ARRL_10m::OnViewState() {
    ToggleView(m_State.m_pStatProv, m_ViewState, engine::kKeyViewState);
}

void Setup_ARRL_10m::OnViewDxcc() {
    ToggleView(m_State.m_pMultiplier, m_ViewDxcc, engine::kKeyViewDxcc);
}

template <typename Window>
void Setup_ARRL_10m::ToggleView(Window*& window, int& wanted, const char* key) {
    // The open window decides, not the box's mark, which is not put back.
    if (window) {
        CloseStatusWindow(window);
        wanted = 0;
        engine::WriteSetting(key, "0");
    } else {
        window = OpenStatusWindow<Window>(m_State);
        wanted = 1;
        ArmRefreshTimer(kRefreshDelayMs);
        engine::WriteSetting(key, "1");
    }
}

}  // namespace windows
