#pragma once

#include <windows.h>

#include "platform/win32/dpi_layout.h"

namespace platform {

class CDataExchange;

// A dialog window built from one of the module's dialog templates, in place
// of MFC's CDialog.
//
//     class MyDialog : public CDialog {
//     public:
//         MyDialog() : CDialog(IDD_MY_DIALOG) {}
//     protected:
//         void DoDataExchange(CDataExchange* dx) override { DDX_Check(dx, IDC_BOX, m_Box); }
//         BOOL OnInitDialog() override;  // call CDialog::OnInitDialog() first
//         int m_Box = 0;
//     };
//     MyDialog dlg;
//     if (dlg.DoModal() == IDOK) { ... }  // modal, on the calling thread
//
//     auto* window = new MyDialog;  // modeless: needs a message loop on this thread
//     window->Create();
//     ShowWindow(window->GetSafeHwnd(), SW_SHOW);
//
// Handlers run on the window's thread and return quickly; no exception leaves
// the dialog procedure. Closing a modeless window (WM_CLOSE, OnOK, OnCancel)
// destroys the window but never the object, whose owner deletes it on the
// window's thread or after the window is gone. Owner-drawn controls: a
// CButton member attached in DoDataExchange with DDX_Control receives the
// parent's WM_DRAWITEM in its DrawItem.
//
// The rest of the framework, beside this file: data exchange with check
// boxes, edit fields and combo boxes (data_exchange.h), owner-drawn controls
// (button.h), flicker-free painting off-screen (mem_dc.h), owners of GDI
// objects and kernel handles (gdi_object.h, handle_owner.h) and of COM values
// (com_helpers.h), the layout for another display scale and for a font that
// leaves a label too little room (dpi_layout.h).
// Templates and icons load from ModuleInstance() (module_instance.h).
class CDialog {
public:
    explicit CDialog(UINT templateId) : m_TemplateId(templateId) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; the value given to EndDialog, or -1 when the
    // template could not be loaded.
    INT_PTR DoModal(HWND parent = nullptr);
    // Creates the dialog modeless, hidden unless its template says visible.
    bool Create(HWND parent = nullptr);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // The DPI the window is laid out for (window_dpi.h); 0 before it opens.
    UINT Dpi() const { return m_DpiLayout.Dpi(); }

    // Exchanges the members with the controls: true takes the controls'
    // values into the members, false puts the members into the controls.
    bool UpdateData(bool saveAndValidate = true);

    // Ends a modal dialog with this result; destroys a modeless one.
    void EndDialog(INT_PTR result);

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // The base puts the members into the controls; TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // The base takes the controls' values, then ends with IDOK.
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnClose() { OnCancel(); }
    // A control notification other than OK and Cancel; true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    // A message of the application's own range (WM_APP to 0xBFFF), which
    // other threads post as requests: never taken for a control's command.
    // True when handled.
    virtual bool OnAppMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
        return false;
    }
    // The system's default handling of WM_TIMER follows.
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // True when the handler has set the cursor itself; false hands the message
    // to the default processing, whose result becomes the message's result.
    virtual bool OnSetCursor(HWND /*window*/, UINT /*hitTest*/, UINT /*mouseMessage*/) {
        return false;
    }
    // Every WM_CTLCOLOR* message; the base gives the system's colours and brush.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message);
    virtual void OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}
    // The window is being destroyed; its controls still exist.
    virtual void OnDestroy() {}
    // The window's DPI has changed (WM_DPICHANGED): the base lays the dialog
    // out again for it, in the rectangle that the system suggests (for the
    // size the dialog gave it in WM_GETDPISCALEDSIZE).
    virtual void OnDpiChanged(UINT dpi, const RECT& suggested);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleCommand(int id, int code);
    INT_PTR HandleSetCursor(HWND window, UINT hitTest, UINT mouseMessage);
    INT_PTR Attach(HWND window);
    void Detach();

    const UINT m_TemplateId;
    HWND m_hWnd = nullptr;
    bool m_Modal = false;
    DpiLayout m_DpiLayout;
};

}  // namespace platform
