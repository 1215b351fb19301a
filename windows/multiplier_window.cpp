#include "windows/multiplier_window.h"

#include "platform/win32/data_exchange.h"
#include "resources/resource.h"
#include "windows/status_button_layout.h"
#include "windows/window_placement.h"

Multiplier::Multiplier() : CDialog(IDD_MULTIPLIER) {}

void Multiplier::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_INFO_BUTTON, m_Button);
}

BOOL Multiplier::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadWindowPosition(GetSafeHwnd(), kDxccWindow);
    MoveToLoadedPosition(GetSafeHwnd());
    SetModuleIcon(GetSafeHwnd());
    return TRUE;
}

bool Multiplier::OnSetCursor(HWND, UINT, UINT) {
    SaveWindowPosition(GetSafeHwnd(), kDxccWindow);
    return false;
}

void Multiplier::OnSize(UINT, int, int) {
    // Size messages come before the button exists, while the window is made.
    HWND button = GetDlgItem(IDC_INFO_BUTTON);
    if (!button) {
        return;
    }
    RECT client;
    GetClientRect(GetSafeHwnd(), &client);
    const ButtonPlacement place =
        PlaceStatusButton({client.left, client.top, client.right, client.bottom});
    MoveWindow(button, place.left, place.top, place.width, place.height, TRUE);
}
