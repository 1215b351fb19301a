#include "windows/multiplier_window.h"

#include "platform/win32/data_exchange.h"
#include "resources/resource.h"
#include "windows/status_button_layout.h"

Multiplier::Multiplier() : ModuleDialog(IDD_MULTIPLIER, kDxccWindow, kSystemColours) {}

void Multiplier::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_INFO_BUTTON, m_Button);
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
