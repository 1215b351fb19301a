// The DXCC window and its owner-drawn status button, read back from the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <sstream>

#include "engine/contest_log.h"
#include "host/replay/country_table.h"
#include "resources/resource.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/layout_checks.h"
#include "tests/win32/status_window_checks.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/window_picture.h"
#include "tests/win32/wine_path.h"
#include "windows/refresh_cycle.h"
#include "windows/status_button_layout.h"
#include "windows/status_windows.h"

using namespace platform;
using namespace engine;
using namespace windows;

namespace {

constexpr COLORREF kWorkedWith = RGB(255, 255, 198);
constexpr COLORREF kBandBar = RGB(198, 255, 255);
constexpr COLORREF kDxcc = RGB(255, 250, 198);

RECT ButtonRect(HWND window) {
    HWND button = GetDlgItem(window, IDC_INFO_BUTTON);
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ResizeClient(HWND window, int width, int height) {
    RECT rect{0, 0, width, height};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The band rows as the refresh fills them for a callsign worked on 10 m.
std::vector<std::vector<std::string>> RowsOfACallsign() {
    std::vector<std::vector<std::string>> rows;
    for (const char* band : {"160m", "80m", "40m", "20m", "15m"}) {
        rows.push_back({band, "   -", "   -", "   -", "   -"});
    }
    rows.push_back({"10m", "14:05", "15:30", "TX", "   -"});
    return rows;
}

const char* const kPrefixes[] = {
    "K",  "VE", "XE", "DL", "G",  "F",   "I",   "EA",  "JA", "VK", "ZL", "PY", "LU", "CE", "OH",
    "SM", "LA", "OZ", "ON", "PA", "HB",  "OE",  "OK",  "SP", "YU", "9A", "S5", "UA", "UR", "YL",
    "LY", "ES", "EI", "GM", "GW", "CT",  "EA8", "CU",  "4X", "SV", "TA", "ZS", "5B", "VU", "BY",
    "HL", "DU", "YB", "9V", "HS", "KH6", "KL",  "KP4", "HI", "CO", "YV", "HK"};

// The primary prefix of every entity of Debian's country file, in the file's
// order, without the mark of the entities that count for WAE only ("*").
// An entity's line starts at the margin and holds eight fields, the prefix last.
std::vector<std::string> CountryFilePrefixes() {
    std::ifstream file(WinePath(kDebianCountryFile));
    std::vector<std::string> prefixes;
    std::string line;
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::istringstream entity(line);
        for (std::string field; std::getline(entity, field, ':');) {
            fields.push_back(field);
        }
        if (line.empty() || std::isspace(static_cast<unsigned char>(line[0])) ||
            fields.size() < 8) {
            continue;
        }
        std::string prefix = fields[7];
        prefix.erase(0, prefix.find_first_not_of(" \t*"));
        prefix.erase(prefix.find_last_not_of(" \t\r") + 1);
        prefixes.push_back(prefix);
    }
    return prefixes;
}

// The 40 longest prefixes, the first in the file first among equals.
std::vector<std::string> LongestPrefixes(std::vector<std::string> prefixes) {
    std::stable_sort(
        prefixes.begin(), prefixes.end(),
        [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    prefixes.resize(std::min<std::size_t>(prefixes.size(), 40));
    return prefixes;
}

// Where the DXCC view draws each entry of the list.
std::vector<PixelPoint> GridCells(const std::vector<std::string>& prefixes, const PixelRect& item,
                                  int dpi) {
    StatusButtonData data;
    data.hostBand = 5;
    data.workedDxcc = prefixes;
    std::vector<PixelPoint> cells;
    for (const DrawOp& op : LayoutStatusButton(data, item, dpi)) {
        if (op.kind == DrawOp::kText) {
            cells.push_back({op.rect.left, op.rect.top});
        }
    }
    return cells;
}

// Cells by the evenness of their column and of their line: the eight
// neighbours of a cell are all of other classes.
constexpr int kCellClasses = 4;
int CellClass(const PixelPoint& cell, int dpi) {
    return (cell.x / ScalePixels(40, dpi)) % 2 + (cell.y / ScalePixels(15, dpi)) % 2 * 2;
}

// Pixels of ink (of any colour but the background) in one picture on or
// beside (corners included) ink in the other.
int InkTouching(const WindowPicture& one, const WindowPicture& other, COLORREF background) {
    int count = 0;
    for (int y = 0; y < one.Height(); ++y) {
        for (int x = 0; x < one.Width(); ++x) {
            count += one.Pixel(x, y) != background &&
                     other.CountOtherThan(background, {x - 1, y - 1, x + 2, y + 2}) > 0;
        }
    }
    return count;
}

class MultiplierWindow : public testing::Test {
protected:
    std::unique_ptr<Multiplier> OpenMultiplier() {
        return std::unique_ptr<Multiplier>(OpenStatusWindow<Multiplier>(m_State));
    }

    // The window away from every other test program's windows, at the right
    // of the screen, with its button 360 x 186 pixels at 96 DPI (rows of 26),
    // as large again at the window's DPI.
    std::unique_ptr<Multiplier> OpenForPixels() {
        auto window = OpenMultiplier();
        if (window) {
            m_Dpi = static_cast<int>(window->Dpi());
            ResizeClient(window->GetSafeHwnd(), Scaled(360) + 4, Scaled(186) + 4);
            SetWindowPos(window->GetSafeHwnd(), nullptr, 1270 - Scaled(370), 40, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return window;
    }
    // A 96-DPI length at the window's DPI.
    int Scaled(int pixels) const { return ScalePixels(pixels, m_Dpi); }

    // The button as it paints itself now.
    static WindowPicture Repainted(const Multiplier& window) {
        HWND button = GetDlgItem(window.GetSafeHwnd(), IDC_INFO_BUTTON);
        InvalidateRect(button, nullptr, FALSE);
        UpdateWindow(button);
        return WindowPicture(button);
    }

    // The mode's worked list becomes these prefixes.
    void SetWorked(int mode, const std::vector<std::string>& prefixes) {
        ContestLog::Locked data(m_Log);
        data->m_WorkedDxcc[mode].RemoveAll();
        for (const std::string& prefix : prefixes) {
            data->m_WorkedDxcc[mode].AddIfNew(prefix);
        }
    }

    // The worked-with view with only the host's band worked; the band rows of
    // the other bands are blank.
    void ShowOnlyTheHostsBand(int32_t band) {
        m_Host.m_HostCall = "VP2EXX/MM";
        m_Host.m_HostBand = band;
        ContestLog::Locked data(m_Log);
        data->m_BandRows.assign(6, {"", "", "", "", ""});
        data->m_BandRows[static_cast<std::size_t>(band)] = {"10m", "23:48", "09:15", "NWT", "   -"};
    }

    ScratchDir m_Dir;
    int m_Dpi = kBaseDpi;
    ContestLog m_Log;
    WindowState m_State{m_Log};
    RefreshCycle& m_Host = m_State.m_Refresh;  // the host's state as the refresh read it
};

}  // namespace

TEST_F(MultiplierWindow, OpensAtTheStoredPositionOrTheDefault) {
    const PositionCase cases[] = {
        {nullptr, nullptr, kFirstRun, kFirstRun},
        // A stored 0 counts as missing.
        {"0", "0", kFirstRun, kFirstRun},
        {"250", "0", 250, kFirstRun},
        {"-5", "-7", -5, -7},
        // The title bar above the screen: moved just inside.
        {"-5", "-30", 0, 0},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.Describe());
        c.WriteSettings("dxcc_x", "dxcc_y");
        auto window = OpenMultiplier();
        ASSERT_TRUE(window);
        ExpectOpenedAt(window->GetSafeHwnd(), kDxccWindow, c);
    }
}

TEST_F(MultiplierWindow, IsATopMostResizableWindowFilledByTheOwnerDrawnButton) {
    auto window = OpenMultiplier();
    ASSERT_TRUE(window);
    HWND hwnd = window->GetSafeHwnd();
    EXPECT_EQ("Multiplier", WindowText(hwnd));
    ExpectStatusWindowFrame(hwnd, true);
    ExpectDialogClientSize({hwnd, 242}, 117);
    ExpectControl({hwnd, 242}, IDC_INFO_BUTTON, "Button2", {2, 2, 238, 113}, BS_OWNERDRAW);
}

TEST_F(MultiplierWindow, ResizingRefitsTheButtonToTheClientArea) {
    auto window = OpenMultiplier();
    ASSERT_TRUE(window);
    m_Dpi = static_cast<int>(window->Dpi());
    // Client sizes at 96 DPI, as large again at the window's: captioned
    // windows keep a minimum width; the height may shrink to nothing.
    struct Case {
        int width, height;
    } const cases[] = {{200, 60}, {300, 200}, {150, 4}};
    for (const Case& c : cases) {
        const int width = Scaled(c.width);
        const int height = Scaled(c.height);
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        ResizeClient(window->GetSafeHwnd(), width, height);
        const RECT button = ButtonRect(window->GetSafeHwnd());
        EXPECT_EQ(1, button.left);
        EXPECT_EQ(1, button.top);
        EXPECT_EQ(width - 3, button.right);
        EXPECT_EQ(height - 3, button.bottom);
    }
}

TEST_F(MultiplierWindow, PointerOverTheWindowSavesOnlyTheMovedCoordinates) {
    auto window = OpenMultiplier();
    ASSERT_TRUE(window);
    ExpectPositionSaving(window->GetSafeHwnd(), "dxcc_x", "dxcc_y");
}

TEST_F(MultiplierWindow, PointerPassingBetweenWindowsWritesEachPositionOnceMore) {
    std::unique_ptr<Stat_Prov> stateWindow(OpenStatusWindow<Stat_Prov>(m_State));
    auto dxccWindow = OpenMultiplier();
    ASSERT_TRUE(stateWindow && dxccWindow);
    for (HWND window :
         {dxccWindow->GetSafeHwnd(), stateWindow->GetSafeHwnd(), dxccWindow->GetSafeHwnd()}) {
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    // Each window compares itself with the position the other one left.
    RECT stat;
    RECT dxcc;
    GetWindowRect(stateWindow->GetSafeHwnd(), &stat);
    GetWindowRect(dxccWindow->GetSafeHwnd(), &dxcc);
    ASSERT_TRUE(stat.left != dxcc.left && stat.top != dxcc.top) << "the first-run layout apart";
    std::ostringstream expected;
    expected << "[Settings]\r\nstat_x=" << stat.left << "\r\nstat_y=" << stat.top
             << "\r\ndxcc_x=" << dxcc.left << "\r\ndxcc_y=" << dxcc.top << "\r\n";
    EXPECT_EQ(expected.str(), ReadFileBytes("Plugins\\ARRL-10M_CW_SSB.ini"));
}

TEST_F(MultiplierWindow, BandBarLiesBehindTheRowOfTheHostsBand) {
    auto window = OpenForPixels();
    ASSERT_TRUE(window);
    m_Host.m_HostCall = "K1ABC";
    ContestLog::Locked(m_Log)->m_BandRows = RowsOfACallsign();
    for (int32_t band = -1; band <= 5; ++band) {
        SCOPED_TRACE(testing::Message() << "band " << band);
        m_Host.m_HostBand = band;
        const WindowPicture picture = Repainted(*window);
        ASSERT_EQ(Scaled(360), picture.Width());
        ASSERT_EQ(Scaled(186), picture.Height());
        const int rowHeight = picture.Height() / 7;
        // The right edge holds no text: there the colours show the bar alone.
        const int x = picture.Width() - 2;
        for (int y = 0; y < picture.Height(); ++y) {
            const bool inBar = band >= 0 && y >= (band + 1) * rowHeight + Scaled(-5) &&
                               y < (band + 2) * rowHeight + Scaled(-13);
            ASSERT_EQ(inBar ? kBandBar : kWorkedWith, picture.Pixel(x, y)) << "y " << y;
        }
    }
}

TEST_F(MultiplierWindow, DxccViewShowsOnlyItsBackgroundWithoutBandOrPrefixes) {
    auto window = OpenForPixels();
    ASSERT_TRUE(window);
    const int right = Scaled(360);
    const int bottom = Scaled(186);
    const RECT whole{0, 0, right, bottom};
    m_Host.m_HostMode = 0;
    m_Host.m_HostBand = -1;
    SetWorked(0, {"DL", "JA"});
    EXPECT_EQ(0, Repainted(*window).CountOtherThan(kDxcc, whole)) << "no band";
    m_Host.m_HostBand = 5;
    m_Host.m_HostMode = 1;
    EXPECT_EQ(0, Repainted(*window).CountOtherThan(kDxcc, whole)) << "nothing worked in SSB";
    m_Host.m_HostMode = 0;
    const WindowPicture picture = Repainted(*window);
    // Two prefixes side by side in the grid's first 15-pixel line.
    const int line = Scaled(15);
    EXPECT_GT(picture.CountOtherThan(kDxcc, {Scaled(5), 0, Scaled(45), line}), 0);
    EXPECT_GT(picture.CountOtherThan(kDxcc, {Scaled(45), 0, Scaled(85), line}), 0);
    EXPECT_EQ(0, picture.CountOtherThan(kDxcc, {Scaled(85), 0, right, bottom}));
    EXPECT_EQ(0, picture.CountOtherThan(kDxcc, {0, line, right, bottom}));
    EXPECT_EQ(0, picture.CountOtherThan(kDxcc, {0, 0, Scaled(5), bottom}));
}

TEST_F(MultiplierWindow, EveryPrefixOfTheCountryFileFitsItsCellInTheButtonsFont) {
    const std::vector<std::string> prefixes = CountryFilePrefixes();
    ASSERT_GT(prefixes.size(), 300u) << "Debian's country file";
    auto window = OpenForPixels();
    ASSERT_TRUE(window);
    HWND button = GetDlgItem(window->GetSafeHwnd(), IDC_INFO_BUTTON);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)));
    SIZE widest{};
    std::string widestPrefix;
    for (const std::string& prefix : prefixes) {
        SIZE size{};
        GetTextExtentPoint32A(dc, prefix.c_str(), static_cast<int>(prefix.size()), &size);
        if (size.cx > widest.cx) {
            widest = size;
            widestPrefix = prefix;
        }
    }
    DeleteDC(dc);
    // A column to spare at the end of the cell, a row at the end of the line.
    EXPECT_LT(widest.cx, Scaled(40)) << widestPrefix;
    EXPECT_LT(widest.cy, Scaled(15)) << widestPrefix;
}

TEST_F(MultiplierWindow, TheLongestPrefixesOfTheCountryFileKeepApartInTheGrid) {
    const std::vector<std::string> longest = LongestPrefixes(CountryFilePrefixes());
    ASSERT_EQ(40u, longest.size());
    auto window = OpenForPixels();
    ASSERT_TRUE(window);
    m_Host.m_HostBand = 5;
    m_Host.m_HostMode = 0;
    const std::vector<PixelPoint> cells =
        GridCells(longest, {0, 0, Scaled(360), Scaled(186)}, m_Dpi);
    ASSERT_EQ(40u, cells.size());
    // The grid drawn once for each class of cells, the others left blank: no
    // ink of one class may touch ink of another.
    std::vector<WindowPicture> inks;
    for (int drawn = 0; drawn < kCellClasses; ++drawn) {
        std::vector<std::string> shown;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            // Blanks, each of its own length, hold the other cells' places.
            shown.push_back(CellClass(cells[i], m_Dpi) == drawn ? longest[i]
                                                                : std::string(i + 1, ' '));
        }
        SetWorked(0, shown);
        inks.push_back(Repainted(*window));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (CellClass(cells[i], m_Dpi) == drawn) {
                const PixelPoint& c = cells[i];
                const RECT cell{c.x, c.y, c.x + Scaled(40), c.y + Scaled(15)};
                EXPECT_GT(inks.back().CountOtherThan(kDxcc, cell), 0) << longest[i];
            }
        }
    }
    for (int a = 0; a < kCellClasses; ++a) {
        for (int b = a + 1; b < kCellClasses; ++b) {
            EXPECT_EQ(0, InkTouching(inks[a], inks[b], kDxcc)) << "classes " << a << " and " << b;
        }
    }
    SetWorked(0, longest);
    Repainted(*window);
    SaveScreenshot(window->GetSafeHwnd(), "dxcc-long-prefixes");
}

TEST_F(MultiplierWindow, Screenshots) {
    auto window = OpenMultiplier();
    ASSERT_TRUE(window);
    m_Host.m_HostBand = 5;
    m_Host.m_HostMode = 0;
    {
        ContestLog::Locked data(m_Log);
        data->m_BandRows = RowsOfACallsign();
        for (const char* prefix : kPrefixes) {
            data->m_WorkedDxcc[0].AddIfNew(prefix);
        }
    }
    m_Host.m_HostCall = "K1ABC";
    Repainted(*window);
    EXPECT_FALSE(SaveScreenshot(window->GetSafeHwnd(), "dxcc-worked-with").empty());
    m_Host.m_HostCall.clear();
    Repainted(*window);
    EXPECT_FALSE(SaveScreenshot(window->GetSafeHwnd(), "dxcc-prefixes").empty());
}

namespace {

// Below the table's header, every pixel of text lies on the band bar: the
// bar covers the host's row, text and all.
void ExpectTheHostsRowOnTheBar(const WindowPicture& picture, int dpi) {
    const int belowHeader = ScalePixels(18, dpi) + ScalePixels(15, dpi);
    int barTop = -1;
    int barBottom = -1;
    for (int y = 0; y < picture.Height(); ++y) {
        if (picture.Pixel(picture.Width() - 2, y) == kBandBar) {
            barBottom = y + 1;
            barTop = barTop < 0 ? y : barTop;
        }
    }
    ASSERT_GE(barTop, 0) << "no bar";
    int ink = 0;
    for (int y = belowHeader; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const COLORREF pixel = picture.Pixel(x, y);
            if (pixel != kBandBar && pixel != kWorkedWith) {
                ++ink;
                ASSERT_TRUE(y >= barTop && y < barBottom)
                    << "text at " << x << "," << y << " off the bar " << barTop << "-" << barBottom;
            }
        }
    }
    EXPECT_GT(ink, 0) << "the row's text";
}

}  // namespace

TEST_F(MultiplierWindow, TheBandBarCoversTheHostsRowTextAndAll) {
    auto window = OpenMultiplier();
    ASSERT_TRUE(window);
    for (int32_t band = 1; band <= 5; ++band) {
        SCOPED_TRACE(testing::Message() << "band " << band);
        ShowOnlyTheHostsBand(band);
        ExpectTheHostsRowOnTheBar(Repainted(*window), static_cast<int>(window->Dpi()));
    }
}

TEST_F(MultiplierWindow, WorkedWithTextsStayInsideTheButtonAndApart) {
    auto window = OpenMultiplier();
    ASSERT_TRUE(window);
    HWND button = GetDlgItem(window->GetSafeHwnd(), IDC_INFO_BUTTON);
    StatusButtonData data;
    data.hostCall = "VP2EXX/MM";
    data.hostBand = 5;
    for (const char* band : {"160m", "80m", "40m", "20m", "15m", "10m"}) {
        data.bandRows.push_back({band, "23:48", "09:15", "NWT", "   -"});
    }
    RECT item;
    GetClientRect(button, &item);
    HDC dc = GetDC(button);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)));
    std::vector<LaidOutText> texts;
    for (const DrawOp& op : LayoutStatusButton(data, {0, 0, item.right, item.bottom},
                                               static_cast<int>(window->Dpi()))) {
        if (op.kind == DrawOp::kText) {
            SIZE size{};
            GetTextExtentPoint32A(dc, op.text.c_str(), static_cast<int>(op.text.size()), &size);
            const RECT cell{op.rect.left, op.rect.top, op.rect.left + size.cx,
                            op.rect.top + size.cy};
            texts.push_back({LaidOutText::kDrawn, nullptr, op.text, item, cell, 0});
            EXPECT_TRUE(cell.right <= item.right && cell.bottom <= item.bottom)
                << op.text << " at " << Describe(cell) << " in " << Describe(item);
        }
    }
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    ExpectTextsApart(texts);
}

TEST_F(MultiplierWindow, ANewDpiLaysTheWindowOutAgainAndTheButtonDrawsForIt) {
    // Where the window has room to grow to twice its size on the screen.
    PositionCase{"20", "20", 20, 20}.WriteSettings("dxcc_x", "dxcc_y");
    auto window = OpenMultiplier();
    ASSERT_TRUE(window);
    // Resized once (a pixel wider), the button fills the client area as every
    // layout leaves it.
    RECT client;
    GetClientRect(window->GetSafeHwnd(), &client);
    ResizeClient(window->GetSafeHwnd(), client.right + 1, client.bottom);
    ShowOnlyTheHostsBand(5);
    ExpectLaidOutAgainForEachScale(window->GetSafeHwnd(), window->Dpi(), [&](UINT scale) {
        ExpectTheHostsRowOnTheBar(Repainted(*window), static_cast<int>(scale));
        // The button fills the new client area.
        RECT client;
        GetClientRect(window->GetSafeHwnd(), &client);
        const RECT button = ButtonRect(window->GetSafeHwnd());
        EXPECT_EQ(client.right - 3, button.right);
        EXPECT_EQ(client.bottom - 3, button.bottom);
    });
}
