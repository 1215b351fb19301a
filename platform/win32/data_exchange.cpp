#include "platform/win32/data_exchange.h"

#include <vector>

#include "platform/win32/button.h"
#include "platform/win32/dialog.h"

namespace platform {

namespace {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> buf(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, buf.data(), length + 1);
    return std::string(buf.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) const {
    return m_pDlgWnd->GetDlgItem(id);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = WindowText(control);
    } else {
        SetWindowTextA(control, value.c_str());
    }
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = WindowText(control);
        return;
    }
    const LRESULT found = SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(value.c_str()));
    if (found == CB_ERR) {
        SetWindowTextA(control, value.c_str());
    }
}

void DDX_Control(CDataExchange* dx, int id, CButton& control) {
    if (!control.GetSafeHwnd()) {
        control.SubclassDlgItem(id, dx->m_pDlgWnd->GetSafeHwnd());
    }
}

}  // namespace platform
