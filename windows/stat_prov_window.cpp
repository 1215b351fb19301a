#include "windows/stat_prov_window.h"

#include "platform/win32/data_exchange.h"
#include "resources/resource.h"
#include "windows/status_colours.h"
#include "windows/window_placement.h"

static_assert(IDC_STAT_PROV_LAST - IDC_STAT_PROV_FIRST + 1 == kStatProvBoxCount,
              "one flag per box");

Stat_Prov::Stat_Prov() : CDialog(IDD_STAT_PROV) {}

void Stat_Prov::DoDataExchange(CDataExchange* dx) {
    for (std::size_t i = 0; i < kStatProvBoxCount; ++i) {
        DDX_Check(dx, IDC_STAT_PROV_FIRST + static_cast<int>(i), m_Checked[i]);
    }
}

BOOL Stat_Prov::OnInitDialog() {
    CDialog::OnInitDialog();
    LoadWindowPosition(GetSafeHwnd(), kStatProvWindow);
    m_Brush.Reset(CreateSolidBrush(kWindowBackground));
    MoveToLoadedPosition(GetSafeHwnd());
    SetModuleIcon(GetSafeHwnd());
    return TRUE;
}

bool Stat_Prov::OnSetCursor(HWND, UINT, UINT) {
    SaveWindowPosition(GetSafeHwnd(), kStatProvWindow);
    return false;
}

HBRUSH Stat_Prov::OnCtlColor(HDC dc, HWND control, UINT message) {
    CDialog::OnCtlColor(dc, control, message);
    return ApplyStatusColours(dc, m_Brush.Get());
}
