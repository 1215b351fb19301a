// Report passes through the real DLL: the header dialog driven by a watcher,
// the shared settings file, the "Output" message box and the Cabrillo file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "platform/win32/window_dpi.h"
#include "resources/resource.h"
#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/layout_checks.h"
#include "tests/win32/report_pass.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/wine_path.h"

using namespace platform;

namespace {

std::string Wenda(const char* key) {
    char buf[200];
    GetPrivateProfileStringA("Settings", key, "<missing>", buf, sizeof buf, "Plugins\\WENDA.ini");
    return buf;
}

std::string ComboItem(HWND combo, int index) {
    char buf[100] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buf));
    return buf;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        items.push_back(ComboItem(combo, i));
    }
    return items;
}

// The selected entry of a combo box, or "<none>".
std::string Selected(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? "<none>" : ComboItem(combo, static_cast<int>(index));
}

constexpr int kTemplateWidth = 255;  // template 101's, in dialog units

void SetText(HWND dialog, int id, const char* text) {
    SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

class CabrilloDialog : public ::testing::Test {
protected:
    static void RunReset(const std::function<void(HWND)>& operate, int button,
                         const char* myCall = "W1AW") {
        EXPECT_TRUE(ResetWithHeaderDialog(operate, button, myCall)) << "no header dialog";
    }

    static MessageBoxSeen RunResult(int* flag) { return ResultWithOutputBox(flag); }

    ScratchDir m_Dir;
};

}  // namespace

TEST_F(CabrilloDialog, ShowsTheHeaderValuesAndCancelSavesNothing) {
    RunReset(
        [](HWND d) {
            const std::pair<int, const char*> edits[] = {
                {IDC_CABRILLO_CONTEST, "ARRL-10"}, {IDC_CABRILLO_CALLSIGN, "W1AW"},
                {IDC_CABRILLO_CLAIMED, ""},        {IDC_CABRILLO_NAME, ""},
                {IDC_CABRILLO_ADDRESS, ""},        {IDC_CABRILLO_OPERATORS, "W1AW"},
                {IDC_CABRILLO_CLUB, ""},           {IDC_CABRILLO_SOAPBOX, ""},
                {IDC_CABRILLO_EMAIL, ""},
            };
            for (const auto& e : edits) {
                EXPECT_EQ(e.second, ControlText(d, e.first)) << "control " << e.first;
            }
            const std::pair<int, const char*> combos[] = {
                {IDC_CABRILLO_CATEGORY_OPERATOR, "SINGLE-OP"},
                {IDC_CABRILLO_LOCATION, "DX"},
                {IDC_CABRILLO_CATEGORY_BAND, "10M"},
                {IDC_CABRILLO_CATEGORY_ASSISTED, "NON-ASSISTED"},
                {IDC_CABRILLO_CATEGORY_MODE, "SSB"},
                {IDC_CABRILLO_CATEGORY_POWER, "HIGH"},
                {IDC_CABRILLO_CATEGORY_STATION, "FIXED"},
                {IDC_CABRILLO_CATEGORY_TRANSMITTER, "ONE"},
            };
            for (const auto& c : combos) {
                EXPECT_EQ(c.second, Selected(d, c.first)) << "combo " << c.first;
            }
            // No entry begins with "NONE": it stands in the edit field alone.
            EXPECT_EQ("<none>", Selected(d, IDC_CABRILLO_CATEGORY_OVERLAY));
            EXPECT_EQ("NONE", ControlText(d, IDC_CABRILLO_CATEGORY_OVERLAY));
            SetText(d, IDC_CABRILLO_NAME, "not saved");
        },
        IDCANCEL);
    EXPECT_FALSE(FileExists("Plugins/WENDA.ini"));
}

TEST_F(CabrilloDialog, LayoutOfTheTemplate) {
    RunReset(
        [](HWND d) {
            struct Control {
                int id;
                const char* cls;
                RECT dialogUnits;  // x, y, width, height
                DWORD style;       // bits that must be set
            } const controls[] = {
                {IDC_CABRILLO_CONTEST, "Edit", {55, 9, 190, 12}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_CALLSIGN, "Edit", {55, 23, 88, 12}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_CLAIMED, "Edit", {184, 23, 61, 12}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_CATEGORY_OPERATOR, "ComboBox", {92, 36, 79, 86}, CBS_DROPDOWN},
                {IDC_CABRILLO_LOCATION, "ComboBox", {213, 38, 30, 85}, CBS_DROPDOWN},
                {IDC_CABRILLO_CATEGORY_BAND, "ComboBox", {92, 50, 79, 72}, CBS_DROPDOWN},
                {IDC_CABRILLO_CATEGORY_ASSISTED, "ComboBox", {91, 64, 79, 45}, CBS_DROPDOWN},
                {IDC_CABRILLO_CATEGORY_MODE, "ComboBox", {92, 78, 79, 45}, CBS_DROPDOWN},
                {IDC_CABRILLO_CATEGORY_OVERLAY,
                 "ComboBox",
                 {91, 92, 80, 51},
                 CBS_DROPDOWN | CBS_SORT},
                {IDC_CABRILLO_CATEGORY_POWER,
                 "ComboBox",
                 {91, 105, 80, 51},
                 CBS_DROPDOWN | CBS_SORT},
                {IDC_CABRILLO_CATEGORY_STATION,
                 "ComboBox",
                 {91, 118, 80, 71},
                 CBS_DROPDOWN | CBS_SORT},
                {IDC_CABRILLO_CATEGORY_TRANSMITTER,
                 "ComboBox",
                 {105, 131, 66, 49},
                 CBS_DROPDOWN | CBS_SORT},
                {IDC_CABRILLO_NAME, "Edit", {55, 144, 191, 12}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_ADDRESS, "Edit", {55, 156, 191, 14}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_ADDRESS_CITY, "Edit", {67, 170, 179, 14}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_ADDRESS_STATE_PROVINCE, "Edit", {112, 184, 134, 14}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_ADDRESS_POSTALCODE, "Edit", {100, 198, 146, 14}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_ADDRESS_COUNTRY, "Edit", {100, 212, 146, 14}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_OPERATORS, "Edit", {55, 227, 191, 12}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_CLUB, "Edit", {55, 240, 191, 12}, ES_AUTOHSCROLL},
                {IDC_CABRILLO_SOAPBOX,
                 "Edit",
                 {55, 252, 191, 31},
                 ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL},
                {IDC_CABRILLO_EMAIL, "Edit", {55, 283, 191, 12}, ES_AUTOHSCROLL},
                {IDOK, "Button", {81, 302, 51, 21}, 0},
                {IDCANCEL, "Button", {143, 302, 46, 21}, 0},
            };
            for (const Control& c : controls) {
                SCOPED_TRACE("control " + std::to_string(c.id));
                HWND control = GetDlgItem(d, c.id);
                ASSERT_TRUE(control);
                char cls[32] = "";
                GetClassNameA(control, cls, sizeof cls);
                EXPECT_STREQ(c.cls, cls);
                // Positions and sizes map separately, each rounded on its own.
                const RECT expected = MapTemplateRect(d, kTemplateWidth, c.dialogUnits);
                RECT actual;
                GetWindowRect(control, &actual);
                MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&actual), 2);
                EXPECT_EQ(expected.left, actual.left);
                EXPECT_EQ(expected.top, actual.top);
                EXPECT_EQ(expected.right, actual.right - actual.left);
                if (lstrcmpA(cls, "ComboBox") != 0) {  // a combo's height is its list's
                    EXPECT_EQ(expected.bottom, actual.bottom - actual.top);
                }
                const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
                EXPECT_EQ(c.style, style & c.style);
                if (c.id != IDOK && c.id != IDCANCEL) {
                    EXPECT_TRUE(style & WS_TABSTOP);
                }
            }
            struct Label {
                const char* text;
                int x, y;
            } const labels[] = {
                {"CONTEST", 10, 10},
                {"CALLSIGN", 9, 25},
                {"CLAIMED", 149, 25},
                {"CATEGORY-OPERATOR", 9, 39},
                {"LOCATION", 174, 40},
                {"CATEGORY-BAND", 9, 52},
                {"CATEGORY-ASSISTED", 10, 67},
                {"CATEGORY-MODE", 9, 80},
                {"CATEGORY-OVERLAY", 9, 94},
                {"CATEGORY-POWER", 9, 107},
                {"CATEGORY-STATION", 10, 120},
                {"CATEGORY-TRANSMITTER", 9, 132},
                {"NAME", 10, 146},
                {"ADDRESS", 10, 159},
                {"ADDRESS-CITY", 10, 172},
                {"ADDRESS-STATE-PROVINCE", 10, 186},
                {"ADDRESS-POSTALCODE", 10, 200},
                {"ADDRESS-COUNTRY", 10, 214},
                {"OPERATORS", 10, 229},
                {"CLUB", 10, 243},
                {"SOAPBOX", 10, 266},
                {"E-MAIL", 10, 286},
            };
            for (const Label& label : labels) {
                HWND stat = FindWindowExA(d, nullptr, "Static", label.text);
                ASSERT_TRUE(stat) << label.text;
                const RECT expected = MapTemplateRect(d, kTemplateWidth, {label.x, label.y, 0, 0});
                RECT actual;
                GetWindowRect(stat, &actual);
                MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&actual), 2);
                EXPECT_EQ(expected.left, actual.left) << label.text;
                EXPECT_EQ(expected.top, actual.top) << label.text;
            }
            EXPECT_EQ(" ARRL 10 Meter Contest", WindowText(d));
            const LONG style = GetWindowLongA(d, GWL_STYLE);
            const LONG frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
            EXPECT_EQ(frame, style & frame);
            RECT size = {0, 0, kTemplateWidth, 351};
            MapDialogRect(d, &size);
            RECT client;
            GetClientRect(d, &client);
            EXPECT_LE(size.right, client.right) << "as wide, or wider for the labels";
            EXPECT_EQ(size.bottom, client.bottom);
            EXPECT_EQ("OK", ControlText(d, IDOK));
            EXPECT_EQ("CANCEL", ControlText(d, IDCANCEL));
        },
        IDCANCEL);
}

TEST_F(CabrilloDialog, EveryLabelFitsAtTheWindowsScaleAndAtEachNewOne) {
    RunReset(
        [](HWND d) {
            ExpectTextsFitAndApart(d, WindowDpi(d), kTemplateWidth);
            ExpectLaidOutAgainForEachScale(d, WindowDpi(d));
        },
        IDCANCEL);
}

TEST_F(CabrilloDialog, ComboListsInTheirOrder) {
    RunReset(
        [](HWND d) {
            struct List {
                int id;
                std::vector<std::string> items;
            } const lists[] = {
                {IDC_CABRILLO_CATEGORY_OPERATOR,
                 {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}},
                {IDC_CABRILLO_CATEGORY_BAND, {"ALL", "80M", "40M", "20M", "15M", "10M"}},
                {IDC_CABRILLO_CATEGORY_ASSISTED, {"ASSISTED", "NON-ASSISTED"}},
                {IDC_CABRILLO_CATEGORY_MODE, {"CW", "SSB", "MIXED"}},
                {IDC_CABRILLO_CATEGORY_POWER, {"HIGH", "LOW", "QRP"}},
                {IDC_CABRILLO_CATEGORY_TRANSMITTER, {"ONE", "TWO", "UNLIMITED"}},
                {IDC_CABRILLO_CATEGORY_OVERLAY, {"CLASSIC", "ROOKIE"}},
                {IDC_CABRILLO_CATEGORY_STATION,  // sorted
                 {"EXPEDITION", "FIXED", "HQ", "MOBILE", "PORTABLE", "ROVER", "SCHOOL"}},
            };
            for (const List& list : lists) {
                EXPECT_EQ(list.items, ComboItems(GetDlgItem(d, list.id))) << "combo " << list.id;
            }
            const std::vector<std::string> locations =
                ComboItems(GetDlgItem(d, IDC_CABRILLO_LOCATION));
            // Outside, unknown, the 50 states, then Canada as its boxes name it.
            ASSERT_EQ(66u, locations.size());
            const std::pair<std::size_t, const char*> entries[] = {
                {0, "DX"},  {1, "--/--"}, {2, "AK"},   {12, "HI"}, {21, "MD"},
                {51, "WY"}, {52, "ON"},   {58, "PEI"}, {62, "LB"}, {65, "NU"}};
            for (const auto& [at, location] : entries) {
                EXPECT_EQ(location, locations[at]) << at;
            }
        },
        IDCANCEL);
}

TEST_F(CabrilloDialog, ConfirmedValuesReachTheSettingsAndTheLog) {
    WriteFileBytes("Plugins/WENDA.ini", "[Settings]\r\nClaimed=4321\r\nClub=YCCC\r\n");
    WriteFileBytes("Vexo.exe", ReadFileBytes(WinePath(FAKE_HOST_2)));
    RunReset(
        [](HWND d) {
            EXPECT_EQ("4321", ControlText(d, IDC_CABRILLO_CLAIMED));
            SetText(d, IDC_CABRILLO_NAME, "Jo Op");
            SetText(d, IDC_CABRILLO_CLAIMED, "999");
            SendDlgItemMessageA(d, IDC_CABRILLO_CATEGORY_OPERATOR, CB_SELECTSTRING,
                                static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("MULTI-OP"));
            SetText(d, IDC_CABRILLO_CATEGORY_POWER, "qrp-ish");  // free text in a combo
            SetText(d, IDC_CABRILLO_SOAPBOX, "Line 1\r\nLine 2");
        },
        IDOK);
    EXPECT_EQ("Jo Op", Wenda("Name"));
    EXPECT_EQ("MULTI-OP", Wenda("Category"));
    EXPECT_EQ("NONE", Wenda("Category_Overlay"));
    EXPECT_EQ("ARRL-10", Wenda("Contest"));
    EXPECT_EQ("YCCC", Wenda("Club"));
    EXPECT_EQ("W1AW", Wenda("Operators"));
    EXPECT_EQ("Line 1<CR><LF>Line 2", Wenda("SoapBox"));
    EXPECT_EQ("4321", Wenda("Claimed")) << "the dialog's claimed value is never saved";

    AddAsHost(MakeQso("K1ABC", "CW", "K", "CT"));
    int flag = 0;
    const MessageBoxSeen box = RunResult(&flag);
    EXPECT_EQ("Output", box.title);
    EXPECT_EQ("File produced: W1AW.cbr", box.text);
    EXPECT_TRUE(box.hasInformationIcon);
    EXPECT_EQ(-1, flag);
    EXPECT_EQ(
        "START-OF-LOG: 3.0\r\nCALLSIGN: W1AW\r\nCONTEST: ARRL-10\r\n"
        "CATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\nCATEGORY-BAND: 10M\r\n"
        "CATEGORY-MODE: SSB\r\nCATEGORY-POWER: QRP-ISH\r\nCATEGORY-STATION: FIXED\r\n"
        "CATEGORY-TRANSMITTER: ONE\r\nCLAIMED-SCORE: 8\r\nCLUB: YCCC\r\n"
        "CREATED-BY: Vexo 2.5\r\nLOCATION: DX\r\nEMAIL: \r\nNAME: Jo Op\r\nADDRESS: \r\n"
        "ADDRESS-CITY: \r\nADDRESS-STATE-PROVINCE: \r\nADDRESS-POSTALCODE: \r\n"
        "ADDRESS-COUNTRY: \r\nOPERATORS: W1AW\r\nSOAPBOX: Line 1\r\nSOAPBOX: Line 2\r\n"
        "QSO: 28012 CW 2013-12-14 0012 W1AW          599 MA     K1ABC         599 CT\r\n"
        "END-OF-LOG:\r\n",
        ReadFileBytes("W1AW.cbr"));
}

TEST_F(CabrilloDialog, CreatedByNamesTheHostsVersion) {
    struct Case {
        const char* program;  // copied as Vexo.exe; null: none
        const char* line;
    } const cases[] = {
        {FAKE_HOST_2, "\r\nCREATED-BY: Vexo 2.5\r\n"},
        {FAKE_HOST_3, "\r\nCREATED-BY: Vexo 3.1.2\r\n"},
        {FAKE_HOST_NONE, "\r\nCREATED-BY: Vexo \r\n"},
        {nullptr, "\r\nCREATED-BY: Vexo \r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::filesystem::remove("Vexo.exe");
        if (c.program) {
            WriteFileBytes("Vexo.exe", ReadFileBytes(WinePath(c.program)));
        }
        RunReset([](HWND) {}, IDCANCEL);
        int flag = 0;
        EXPECT_EQ("File produced: W1AW.cbr", RunResult(&flag).text);
        EXPECT_NE(std::string::npos, ReadFileBytes("W1AW.cbr").find(c.line));
    }
}

TEST_F(CabrilloDialog, UnwritableLogIsNotReportedAsProduced) {
    std::filesystem::create_directory("W1AW.cbr");
    RunReset([](HWND) {}, IDOK);
    int flag = 0;
    const MessageBoxSeen box = RunResult(&flag);
    EXPECT_EQ("File not produced: W1AW.cbr", box.text);
    EXPECT_EQ(-1, flag);

    RunReset([](HWND) {}, IDOK, "W1AW*");  // no such file name on Windows
    EXPECT_EQ("File not produced: W1AW*.cbr", RunResult(&flag).text);

    for (const char* device : {"NUL", "con", "Com1"}) {  // opening one reaches the device
        RunReset([](HWND) {}, IDOK, device);
        EXPECT_EQ(std::string("File not produced: ") + device + ".cbr", RunResult(&flag).text);
    }
}

// Values longer than the dialog's fields, and categories typed in lower case.
TEST_F(CabrilloDialog, LongValuesAreShownAndSavedWhole) {
    const std::string address(60, 'a');
    const std::string soapBox(80, 's');
    const std::string name(5000, 'n');
    WriteFileBytes("Plugins/WENDA.ini", "[Settings]\r\nName=" + name + "\r\nAddress=" + address +
                                            "\r\nSoapBox=" + soapBox + "<CR><LF>two\r\n");
    RunReset(
        [&](HWND d) {
            EXPECT_EQ(name, ControlText(d, IDC_CABRILLO_NAME));
            EXPECT_EQ(address, ControlText(d, IDC_CABRILLO_ADDRESS));
            EXPECT_EQ(soapBox + "\r\ntwo", ControlText(d, IDC_CABRILLO_SOAPBOX));
            SetText(d, IDC_CABRILLO_CATEGORY_MODE, "mixed");
        },
        IDOK);
    const std::string saved = ReadFileBytes("Plugins/WENDA.ini");
    EXPECT_NE(std::string::npos, saved.find("\r\nName=" + name + "\r\n"));
    EXPECT_NE(std::string::npos, saved.find("\r\nAddress=" + address + "\r\n"));
    EXPECT_NE(std::string::npos, saved.find("\r\nSoapBox=" + soapBox + "<CR><LF>two\r\n"));

    int flag = 0;
    RunResult(&flag);
    const std::string log = ReadFileBytes("W1AW.cbr");
    EXPECT_NE(std::string::npos, log.find("\r\nCATEGORY-MODE: MIXED\r\n"));
    EXPECT_NE(std::string::npos,
              log.find("\r\nNAME: " + name + "\r\nADDRESS: " + address + "\r\n"));
    EXPECT_NE(std::string::npos, log.find("\r\nSOAPBOX: " + soapBox + "\r\nSOAPBOX: two\r\n"));
}
