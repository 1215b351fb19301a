#pragma once

#include <windows.h>

#include <string>

namespace platform {

class CButton;
class CDialog;

// One direction of a dialog's data exchange, handed to its DoDataExchange.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The dialog's control with this id (null when there is none).
    HWND PrepareCtrl(int id) const;

    // True: controls to members; false: members to controls.
    const bool m_bSaveAndValidate;
    CDialog* const m_pDlgWnd;
};

// A check box's state: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* dx, int id, int& value);
// The text of an edit control (or any control's window text).
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// A combo box. Putting a value selects the first list entry that begins with
// it, ignoring case, else sets the edit text; taking a value takes the edit
// field's text.
void DDX_CBString(CDataExchange* dx, int id, std::string& value);
// Attaches the control to the object, once; no value is exchanged.
void DDX_Control(CDataExchange* dx, int id, CButton& control);

}  // namespace platform
