#include "platform/win32/dialog.h"

#include "platform/win32/button.h"
#include "platform/win32/data_exchange.h"
#include "platform/win32/module_instance.h"

namespace platform {

namespace {

// Sent before WM_DPICHANGED where the system has it (Windows 10 1703 on).
constexpr UINT kGetDpiScaledSize = 0x02E4;
// The application's own messages run from WM_APP to here.
constexpr UINT kLastAppMessage = 0xBFFF;

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// A dialog procedure gives most messages' results through DWLP_MSGRESULT.
INT_PTR MessageResult(HWND window, LRESULT result) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

bool OwnedByThisThread(HWND window) {
    return IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace

CDialog::~CDialog() {
    // A window of another thread is that thread's to destroy; if its thread
    // has ended, the system has destroyed it already.
    if (m_hWnd && OwnedByThisThread(m_hWnd)) {
        HWND window = m_hWnd;
        Detach();  // the messages of the destruction find no half-destroyed object
        ::DestroyWindow(window);
    }
}

INT_PTR CDialog::DoModal(HWND parent) {
    m_Modal = true;
    return DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(m_TemplateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND parent) {
    m_Modal = false;
    return CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(m_TemplateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_Modal) {
        ::EndDialog(m_hWnd, result);
    } else {
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnDpiChanged(UINT dpi, const RECT& suggested) {
    m_DpiLayout.Apply(m_hWnd, dpi, suggested);
}

HBRUSH CDialog::OnCtlColor(HDC dc, HWND control, UINT message) {
    return reinterpret_cast<HBRUSH>(DefWindowProcA(m_hWnd, message, reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(control)));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            return reinterpret_cast<CDialog*>(lParam)->Attach(window);
        }
        // Messages before WM_INITDIALOG (WM_SETFONT, early WM_SIZE) find no
        // object yet and get the default processing.
        auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        return dialog ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialog::Attach(HWND window) {
    m_hWnd = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_DpiLayout.Start(window);
    return OnInitDialog();
}

void CDialog::Detach() {
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsCtlColorMessage(message)) {
        return reinterpret_cast<INT_PTR>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    }
    switch (message) {
        case WM_COMMAND:
            return HandleCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_DRAWITEM:
            return CButton::RouteDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) &&
                   MessageResult(m_hWnd, TRUE);
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return FALSE;
        case WM_SETCURSOR:
            return HandleSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return FALSE;
        case WM_CLOSE:
            OnClose();
            return TRUE;
        case kGetDpiScaledSize:
            return MessageResult(m_hWnd, m_DpiLayout.SizeFor(m_hWnd, static_cast<UINT>(wParam),
                                                             *reinterpret_cast<SIZE*>(lParam)));
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return MessageResult(m_hWnd, 0);
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_NCDESTROY:
            Detach();
            return FALSE;
        default:
            return message >= WM_APP && message <= kLastAppMessage &&
                   OnAppMessage(message, wParam, lParam);
    }
}

INT_PTR CDialog::HandleCommand(int id, int code) {
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return OnCommand(id, code) ? TRUE : FALSE;
}

INT_PTR CDialog::HandleSetCursor(HWND window, UINT hitTest, UINT mouseMessage) {
    return OnSetCursor(window, hitTest, mouseMessage) && MessageResult(m_hWnd, TRUE);
}

}  // namespace platform
