#pragma once

#include <windows.h>

namespace platform {

// A control of a dialog taken over by an object (subclassed), in place of
// MFC's CButton: the dialog hands the object the WM_DRAWITEM messages of its
// owner-drawn control. Attach it with DDX_Control in DoDataExchange; it lets
// go of the control when the control is destroyed or the object is.
class CButton {
public:
    CButton() = default;
    virtual ~CButton();
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    // Takes over the parent's control with this id; false when there is no
    // such control or this object holds one already.
    bool SubclassDlgItem(int id, HWND parent);
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Paints an owner-drawn control; called on the window's thread.
    virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}

    // Passes a dialog's WM_DRAWITEM to the object holding the control; TRUE
    // when there was one.
    static BOOL RouteDrawItem(const DRAWITEMSTRUCT& item);

private:
    static CButton* FromHandle(HWND control);
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    void UnsubclassWindow();

    HWND m_hWnd = nullptr;
    WNDPROC m_OldProc = nullptr;
};

}  // namespace platform
