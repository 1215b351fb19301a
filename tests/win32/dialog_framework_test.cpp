// The thin dialog framework: modal and modeless dialogs, message dispatch,
// data exchange and owner-drawn controls, on a test template of its own.
#include <gtest/gtest.h>

#include <future>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/button.h"
#include "platform/win32/data_exchange.h"
#include "platform/win32/dialog.h"
#include "tests/win32/framework_test_ids.h"
#include "tests/win32/window_helpers.h"

using namespace platform;

namespace {

class RecordingButton : public CButton {
public:
    void DrawItem(const DRAWITEMSTRUCT& item) override { drawnControls.push_back(item.hwndItem); }
    std::vector<HWND> drawnControls;
};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_FRAMEWORK_TEST) {}

    int m_Check = 0;
    std::string m_Edit;
    std::string m_Combo;
    RecordingButton m_Button;

    // The events whose first word is one of these, in order.
    std::vector<std::string> EventsNamed(std::initializer_list<std::string> names) const {
        std::vector<std::string> found;
        for (const std::string& event : events) {
            for (const std::string& name : names) {
                if (event.compare(0, event.find(' '), name) == 0) {
                    found.push_back(event);
                }
            }
        }
        return found;
    }

    std::vector<std::string> events;
    HBRUSH brush = nullptr;
    bool throwOnTimer = false;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Check(dx, IDC_TEST_CHECK, m_Check);
        DDX_Text(dx, IDC_TEST_EDIT, m_Edit);
        DDX_CBString(dx, IDC_TEST_COMBO, m_Combo);
        DDX_Control(dx, IDC_TEST_OWNER_DRAW, m_Button);
    }
    BOOL OnInitDialog() override {
        for (const char* entry : {"Golf", "Alpha", "alpine"}) {
            SendDlgItemMessageA(GetSafeHwnd(), IDC_TEST_COMBO, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(entry));
        }
        events.push_back("init");
        return CDialog::OnInitDialog();
    }
    void OnCancel() override {
        events.push_back("cancel");
        CDialog::OnCancel();
    }
    bool OnCommand(int id, int code) override {
        events.push_back("command " + std::to_string(id) + " " + std::to_string(code));
        return true;
    }
    void OnTimer(UINT_PTR id) override {
        events.push_back("timer " + std::to_string(id));
        if (throwOnTimer) {
            throw std::runtime_error("handler failed");
        }
    }
    bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) override {
        events.push_back("setcursor " + std::to_string(window == GetSafeHwnd()) + " " +
                         std::to_string(hitTest) + " " + std::to_string(mouseMessage));
        return false;
    }
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override {
        CDialog::OnCtlColor(dc, control, message);
        events.push_back("ctlcolor " + std::to_string(message));
        return brush;
    }
    void OnSize(UINT, int cx, int cy) override {
        events.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
};

bool IsChecked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int ComboSelection(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_TEST_COMBO, CB_GETCURSEL, 0, 0));
}

// What a watcher saw of the modal dialog before it edited the controls.
struct ControlsSeen {
    bool found = false;
    bool checked = false;
    std::string edit;
    std::string combo;
    int comboSelection = -1;
};

// Waits for the test dialog, records its controls, edits them, then sends
// the closing command.
ControlsSeen EditThenClose(UINT closingMessage, WPARAM closingParam) {
    ControlsSeen seen;
    HWND dialog = WaitForTopWindow("#32770", "Framework test", 10000);
    if (!dialog) {
        return seen;
    }
    seen.found = true;
    seen.checked = IsChecked(dialog, IDC_TEST_CHECK);
    seen.edit = ControlText(dialog, IDC_TEST_EDIT);
    seen.combo = ControlText(dialog, IDC_TEST_COMBO);
    seen.comboSelection = ComboSelection(dialog);
    SendDlgItemMessageA(dialog, IDC_TEST_CHECK, BM_SETCHECK, BST_UNCHECKED, 0);
    SetDlgItemTextA(dialog, IDC_TEST_EDIT, "after");
    SetDlgItemTextA(dialog, IDC_TEST_COMBO, "Bravo");
    PostMessageA(dialog, closingMessage, closingParam, 0);
    return seen;
}

}  // namespace

TEST(DialogFramework, ModalDialogPutsMembersAndTakesThemBackOnOk) {
    TestDialog dialog;
    dialog.m_Check = 1;
    dialog.m_Edit = "before";
    dialog.m_Combo = "alp";
    auto watcher = std::async(
        std::launch::async, [] { return EditThenClose(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)); });

    EXPECT_EQ(IDOK, dialog.DoModal());
    const ControlsSeen seen = watcher.get();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.checked);
    EXPECT_EQ("before", seen.edit);
    EXPECT_EQ("Alpha", seen.combo);
    EXPECT_EQ(1, seen.comboSelection);
    EXPECT_EQ(0, dialog.m_Check);
    EXPECT_EQ("after", dialog.m_Edit);
    EXPECT_EQ("Bravo", dialog.m_Combo);
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
    EXPECT_EQ(nullptr, dialog.m_Button.GetSafeHwnd()) << "the control let go when destroyed";
}

TEST(DialogFramework, CloseCancelsAModalDialogAndKeepsTheMembers) {
    TestDialog dialog;
    dialog.m_Check = 1;
    dialog.m_Edit = "kept";
    auto watcher = std::async(std::launch::async, [] { return EditThenClose(WM_CLOSE, 0); });

    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    ASSERT_TRUE(watcher.get().found);
    EXPECT_EQ(1, dialog.m_Check);
    EXPECT_EQ("kept", dialog.m_Edit);
    EXPECT_EQ((std::vector<std::string>{"init", "cancel"}), dialog.EventsNamed({"init", "cancel"}));
}

TEST(DialogFramework, ComboValueSelectsTheFirstEntryBeginningWithItElseSetsTheText) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    struct Case {
        const char* value;
        const char* text;
        int selection;
    } const cases[] = {
        {"alp", "Alpha", 1},           // first of two entries that begin with it
        {"ALPI", "alpine", 2},         // case ignored
        {"g", "Golf", 0},              // one letter is a beginning
        {"", "", -1},                  // the empty text selects no entry
        {"Alphabet", "Alphabet", -1},  // longer than every entry: no entry begins with it
        {"Zulu", "Zulu", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        SendDlgItemMessageA(window, IDC_TEST_COMBO, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        dialog.m_Combo = c.value;
        dialog.UpdateData(false);
        EXPECT_EQ(c.text, ControlText(window, IDC_TEST_COMBO));
        EXPECT_EQ(c.selection, ComboSelection(window));
    }
}

TEST(DialogFramework, ComboValueTakenIsTheEditText) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    SendDlgItemMessageA(window, IDC_TEST_COMBO, CB_SETCURSEL, 2, 0);
    dialog.UpdateData(true);
    EXPECT_EQ("alpine", dialog.m_Combo);
    SetDlgItemTextA(window, IDC_TEST_COMBO, "free text");
    dialog.UpdateData(true);
    EXPECT_EQ("free text", dialog.m_Combo);
}

TEST(DialogFramework, CheckBoxStatesBothWays) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    for (int state : {1, 0}) {
        SCOPED_TRACE(state);
        dialog.m_Check = state;
        dialog.UpdateData(false);
        EXPECT_EQ(state, SendDlgItemMessageA(window, IDC_TEST_CHECK, BM_GETCHECK, 0, 0));
        dialog.m_Check = -1;
        dialog.UpdateData(true);
        EXPECT_EQ(state, dialog.m_Check);
    }
}

TEST(DialogFramework, ClosingAModelessDialogDestroysTheWindowNotTheObject) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    EXPECT_FALSE(IsWindowVisible(window)) << "hidden until shown";
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
    EXPECT_EQ((std::vector<std::string>{"init", "cancel"}), dialog.EventsNamed({"init", "cancel"}));
}

TEST(DialogFramework, DispatchesMessagesToTheirHandlers) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    HWND edit = GetDlgItem(window, IDC_TEST_EDIT);
    dialog.events.clear();

    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_TEST_PUSH, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_TEST_PUSH)));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, EN_CHANGE),
                 reinterpret_cast<LPARAM>(edit));
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    SendMessageA(window, WM_TIMER, 1500, 0);
    SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window, &client);

    const std::vector<std::string> expected = {
        "command 905 0",
        "command 902 768",
        "setcursor 1 1 512",
        "timer 1500",
        "size " + std::to_string(client.right) + "x" + std::to_string(client.bottom),
    };
    EXPECT_EQ(expected, dialog.events);
}

TEST(DialogFramework, EveryControlColourMessageGoesToOnCtlColor) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    dialog.brush = brush;
    HDC dc = GetDC(window);
    const UINT messages[] = {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX,
                             WM_CTLCOLORBTN,    WM_CTLCOLORDLG,  WM_CTLCOLORSCROLLBAR,
                             WM_CTLCOLORSTATIC};
    for (UINT message : messages) {
        SCOPED_TRACE(message);
        dialog.events.clear();
        const LRESULT result = SendMessageA(window, message, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(window));
        EXPECT_EQ(reinterpret_cast<LRESULT>(brush), result);
        EXPECT_EQ(std::vector<std::string>{"ctlcolor " + std::to_string(message)}, dialog.events);
    }
    ReleaseDC(window, dc);
    DeleteObject(brush);
}

TEST(DialogFramework, DrawItemReachesTheAttachedControlOnly) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    dialog.UpdateData(false);  // a second exchange does not attach the control twice
    HWND ownerDrawn = GetDlgItem(window, IDC_TEST_OWNER_DRAW);
    ASSERT_EQ(ownerDrawn, dialog.m_Button.GetSafeHwnd());

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = ownerDrawn;
    EXPECT_TRUE(
        SendMessageA(window, WM_DRAWITEM, IDC_TEST_OWNER_DRAW, reinterpret_cast<LPARAM>(&item)));
    item.hwndItem = GetDlgItem(window, IDC_TEST_PUSH);
    EXPECT_FALSE(SendMessageA(window, WM_DRAWITEM, IDC_TEST_PUSH, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(std::vector<HWND>{ownerDrawn}, dialog.m_Button.drawnControls);

    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    EXPECT_EQ(2u, dialog.m_Button.drawnControls.size()) << "the control's own paint reaches it";
    EXPECT_EQ(ownerDrawn, dialog.m_Button.drawnControls.back());
}

TEST(DialogFramework, AnExceptionInAHandlerStaysInsideTheDialog) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.GetSafeHwnd();
    dialog.throwOnTimer = true;
    SetTimer(window, 7, 1, nullptr);
    ASSERT_TRUE(PumpMessagesUntil(
        [&] { return !dialog.events.empty() && dialog.events.back() == "timer 7"; }, 5000));
    KillTimer(window, 7);
    dialog.throwOnTimer = false;
    SendMessageA(window, WM_TIMER, 8, 0);
    EXPECT_EQ("timer 8", dialog.events.back()) << "the dialog still works";
}
