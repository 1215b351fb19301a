#include "platform/win32/button.h"

namespace platform {

namespace {
// The window property that leads from a control to its object.
constexpr char kObjectProperty[] = "ArrlControlObject";
}  // namespace

CButton::~CButton() {
    UnsubclassWindow();
}

bool CButton::SubclassDlgItem(int id, HWND parent) {
    HWND control = ::GetDlgItem(parent, id);
    if (m_hWnd || !control || FromHandle(control)) {
        return false;
    }
    SetPropA(control, kObjectProperty, this);
    m_hWnd = control;
    m_OldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    return true;
}

void CButton::UnsubclassWindow() {
    // The control of a thread that was stopped has gone with it.
    if (!m_hWnd || !IsWindow(m_hWnd)) {
        m_hWnd = nullptr;
        return;
    }
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldProc));
    RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

CButton* CButton::FromHandle(HWND control) {
    return static_cast<CButton*>(GetPropA(control, kObjectProperty));
}

BOOL CButton::RouteDrawItem(const DRAWITEMSTRUCT& item) {
    CButton* button = FromHandle(item.hwndItem);
    if (!button) {
        return FALSE;
    }
    button->DrawItem(item);
    return TRUE;
}

LRESULT CALLBACK CButton::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    CButton* button = FromHandle(control);
    if (!button) {
        return DefWindowProcA(control, message, wParam, lParam);
    }
    const WNDPROC original = button->m_OldProc;
    if (message == WM_NCDESTROY) {
        button->UnsubclassWindow();
    }
    return CallWindowProcA(original, control, message, wParam, lParam);
}

}  // namespace platform
