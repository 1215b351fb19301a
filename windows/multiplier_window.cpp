#include "windows/multiplier_window.h"

#include "platform/win32/data_exchange.h"
#include "resources/resource.h"
#include "windows/status_button_layout.h"
#include "windows/window_state.h"

namespace windows {

Multiplier::Multiplier(WindowState& state)
    : ModuleDialog(IDD_MULTIPLIER, kDxccWindow, kSystemColours, state.m_Position),
      m_Button(state.m_Refresh) {}

void Multiplier::DoDataExchange(platform::CDataExchange* dx) {
    DDX_Control(dx, IDC_INFO_BUTTON, m_Button);
}

BOOL Multiplier::OnInitDialog() {
    const BOOL result = ModuleDialog::OnInitDialog();
    m_Button.SetDpi(Dpi());
    return result;
}

void Multiplier::OnDpiChanged(UINT dpi, const RECT& suggested) {
    m_Button.SetDpi(dpi);
    ModuleDialog::OnDpiChanged(dpi, suggested);
    // The layout put the button at its place in the template.
    FitButton();
}

void Multiplier::OnSize(UINT, int, int) {
    FitButton();
}

void Multiplier::FitButton() {
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

}  // namespace windows
