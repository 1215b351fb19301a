#include "windows/module_dialog.h"

#include "windows/window_placement.h"

namespace windows {

namespace {

constexpr COLORREF kWindowBackground = RGB(255, 250, 198);
constexpr COLORREF kTextBackground = RGB(255, 240, 198);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

}  // namespace

BOOL ModuleDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadWindowPosition(m_Position, GetSafeHwnd(), m_Seat);
    if (m_Colours == kPaleColours) {
        m_Brush.Reset(CreateSolidBrush(kWindowBackground));
    }
    MoveToLoadedPosition(m_Position, GetSafeHwnd());
    SetModuleIcon(GetSafeHwnd());
    return TRUE;
}

bool ModuleDialog::OnSetCursor(HWND, UINT, UINT) {
    SaveWindowPosition(m_Position, GetSafeHwnd(), m_Seat);
    return false;
}

// Every WM_CTLCOLOR* message, for the window and each of its controls.
HBRUSH ModuleDialog::OnCtlColor(HDC dc, HWND control, UINT message) {
    const HBRUSH system = CDialog::OnCtlColor(dc, control, message);
    if (m_Colours != kPaleColours) {
        return system;
    }
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kTextBackground);
    return m_Brush.Get();
}

}  // namespace windows
