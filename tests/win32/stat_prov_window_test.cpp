// The State/Province window: its template, position, look and boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "engine/contest_log.h"
#include "resources/resource.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/layout_checks.h"
#include "tests/win32/status_window_checks.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/window_picture.h"
#include "windows/status_windows.h"

using namespace platform;
using namespace engine;
using namespace windows;

namespace {

// Template 115's boxes, row by row as the window shows them (dialog units).
struct Cell {
    int y;
    int id;
    const char* caption;
    int x;
};

const Cell kGrid[] = {
    {17, 1016, "AL", 7},     {17, 1018, "AR", 29},    {17, 1019, "AZ", 52},
    {17, 1020, "CA", 75},    {17, 1021, "CO", 98},    {17, 1022, "CT", 121},
    {17, 1023, "DE", 143},   {17, 1024, "FL", 165},   {27, 1025, "GA", 7},
    {27, 1026, "ID", 29},    {27, 1027, "IL", 52},    {27, 1028, "IA", 75},
    {27, 1029, "KS", 98},    {27, 1030, "KY", 121},   {27, 1031, "LA", 143},
    {27, 1032, "MA", 165},   {36, 1017, "MD", 7},     {36, 1033, "ME", 29},
    {36, 1034, "MI", 52},    {36, 1035, "MN", 75},    {36, 1036, "MS", 98},
    {36, 1037, "MO", 121},   {36, 1038, "MT", 143},   {36, 1039, "IN", 165},
    {46, 1040, "NE", 7},     {46, 1041, "NV", 29},    {46, 1042, "NH", 52},
    {46, 1043, "NJ", 75},    {46, 1044, "NM", 98},    {46, 1045, "NY", 121},
    {46, 1046, "NC", 143},   {46, 1047, "ND", 165},   {56, 1048, "OH", 7},
    {56, 1049, "OK", 30},    {56, 1050, "OR", 52},    {56, 1051, "PA", 75},
    {56, 1052, "RI", 98},    {56, 1053, "SC", 121},   {56, 1054, "SD", 143},
    {56, 1055, "TN", 165},   {66, 1056, "TX", 7},     {66, 1057, "UT", 30},
    {66, 1058, "VT", 52},    {66, 1059, "VA", 75},    {66, 1060, "WA", 98},
    {66, 1061, "WV", 121},   {66, 1062, "WI", 143},   {66, 1063, "WY", 165},
    {86, 1064, "AB", 7},     {86, 1065, "BC", 30},    {86, 1066, "LB", 52},
    {86, 1067, "MB", 76},    {86, 1068, "NB", 98},    {86, 1069, "NF", 121},
    {86, 1070, "NS", 143},   {86, 1071, "NWT", 166},  {96, 1072, "NU", 7},
    {96, 1073, "ON", 30},    {96, 1074, "QC", 52},    {96, 1075, "SK", 76},
    {96, 1076, "YT", 98},    {96, 1077, "PEI", 121},  {119, 1078, "AGS", 8},
    {119, 1079, "BAC", 34},  {119, 1080, "BCS", 61},  {119, 1081, "CAM", 88},
    {119, 1082, "CHI", 117}, {119, 1083, "CHH", 143}, {119, 1084, "COA", 169},
    {128, 1085, "COL", 8},   {128, 1086, "DFE", 34},  {128, 1087, "DGO", 61},
    {128, 1088, "EMX", 88},  {128, 1089, "GTO", 117}, {128, 1090, "GRO", 143},
    {128, 1091, "HGO", 169}, {137, 1092, "JAL", 8},   {137, 1093, "MIC", 34},
    {137, 1094, "MOR", 61},  {137, 1095, "NAY", 88},  {137, 1096, "NLE", 117},
    {137, 1097, "OAX", 143}, {137, 1098, "PUE", 169}, {146, 1099, "QRO", 8},
    {146, 1100, "QUI", 34},  {146, 1101, "SLP", 61},  {146, 1102, "SIN", 88},
    {146, 1103, "SON", 117}, {146, 1104, "TAB", 143}, {146, 1105, "TAM", 169},
    {155, 1106, "TLX", 8},   {155, 1107, "VER", 34},  {155, 1108, "YUC", 61},
    {155, 1109, "ZAC", 88},  {175, 1110, "R1", 53},   {175, 1111, "R2", 97},
    {175, 1112, "R3", 134},
};

// Every box is 8 units high; the widths leave room for the caption at every
// display scale: the boxes whose captions are the widest for their width
// at some scale are 2 units wider than the others of their group.
DluRect BoxPlace(const Cell& cell) {
    const std::string caption = cell.caption;
    const bool widened =
        std::string(" MA MD MN MO NM WA WV WY CAM CHH COA DGO GTO GRO HGO MOR QRO ")
            .find(" " + caption + " ") != std::string::npos;
    int width = 20;
    if (caption == "PEI") {
        width = 22;
    } else if (caption == "NWT") {
        width = 26;
    } else if (cell.id >= IDC_BOX_AGS && cell.id <= IDC_BOX_ZAC) {
        width = 24;
    } else if (cell.id >= IDC_BOX_R1) {
        width = 29;
    }
    return {cell.x, cell.y, width + (widened ? 2 : 0), 8};
}

struct Label {
    const char* text;
    int x, y, width;
};

const Label kLabels[] = {
    {"STATE", 87, 7, 24},
    {"PROVINCE", 83, 76, 36},
    {"STATES of MEXICO", 73, 107, 64},
    {"IARU REGION", 81, 165, 48},
};

}  // namespace

class StatProvWindow : public testing::Test {
protected:
    std::unique_ptr<Stat_Prov> OpenStatProv() {
        return std::unique_ptr<Stat_Prov>(OpenStatusWindow<Stat_Prov>(m_State));
    }

    ScratchDir m_Dir;
    ContestLog m_Log;
    WindowState m_State{m_Log};
};

TEST_F(StatProvWindow, OpensAtTheStoredPositionOrTheDefault) {
    const PositionCase cases[] = {
        {nullptr, nullptr, kFirstRun, kFirstRun},
        // A stored 0 counts as missing.
        {"0", "0", kFirstRun, kFirstRun},
        {"-5", "-7", -5, -7},
        {"300", nullptr, 300, kFirstRun},
        {nullptr, "40", kFirstRun, 40},
        {" 42x", "+77", 42, 77},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.Describe());
        c.WriteSettings("stat_x", "stat_y");
        auto window = OpenStatProv();
        ASSERT_TRUE(window);
        ExpectOpenedAt(window->GetSafeHwnd(), kStatProvWindow, c);
    }
}

TEST_F(StatProvWindow, IsATopMostFixedWindowWithTheModulesIcon) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    HWND hwnd = window->GetSafeHwnd();
    EXPECT_EQ("State/Prov", WindowText(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    ExpectStatusWindowFrame(hwnd, false);
    ExpectDialogClientSize({hwnd, 201}, 202);
}

TEST_F(StatProvWindow, HoldsTheNinetySevenBoxesAtTheirPlaces) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    HWND hwnd = window->GetSafeHwnd();
    const DialogTemplate dialog{hwnd, 201};
    std::vector<int> seen;
    for (const Cell& cell : kGrid) {
        SCOPED_TRACE(testing::Message() << cell.id << " " << cell.caption);
        ExpectControl(dialog, cell.id, cell.caption, BoxPlace(cell), BS_AUTOCHECKBOX);
        EXPECT_STREQ(kStatProvCaptions[cell.id - IDC_STAT_PROV_FIRST], cell.caption)
            << "the code's table agrees";
        seen.push_back(cell.id);
    }
    std::sort(seen.begin(), seen.end());
    std::vector<int> ids(kStatProvBoxCount);
    std::iota(ids.begin(), ids.end(), IDC_STAT_PROV_FIRST);
    EXPECT_EQ(ids, seen) << "one box for each id from the first to the last";
    const std::vector<HWND> statics = StaticControls(hwnd);
    ASSERT_EQ(std::size(kLabels), statics.size());
    for (std::size_t i = 0; i < statics.size(); ++i) {
        const Label& label = kLabels[i];
        SCOPED_TRACE(label.text);
        EXPECT_EQ(label.text, WindowText(statics[i]));
        ExpectPlacedAt(dialog, statics[i], {label.x, label.y, label.width, 8});
    }
}

TEST_F(StatProvWindow, BoxesShowTheFlagsOfTheWorkedCodes) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    HWND hwnd = window->GetSafeHwnd();
    window->m_Checked = FlagsFromWorkedCodes({"DF", "DFE", "TX", "AK", "NL", "PE"});
    window->UpdateData(false);
    const std::vector<int> checked = {IDC_BOX_TX, IDC_BOX_LB, IDC_BOX_NF, IDC_BOX_PEI, IDC_BOX_DFE};
    for (int id = IDC_STAT_PROV_FIRST; id <= IDC_STAT_PROV_LAST; ++id) {
        const bool expected = std::find(checked.begin(), checked.end(), id) != checked.end();
        EXPECT_EQ(expected ? BST_CHECKED : BST_UNCHECKED,
                  SendDlgItemMessageA(hwnd, id, BM_GETCHECK, 0, 0))
            << id;
    }
    SaveScreenshot(hwnd, "state-province");
    // A click changes the screen only, until the flags are put again.
    ClickAndPump(hwnd, IDC_BOX_AL);
    EXPECT_EQ(BST_CHECKED, SendDlgItemMessageA(hwnd, IDC_BOX_AL, BM_GETCHECK, 0, 0));
    EXPECT_EQ(0, window->m_Checked[0]);
    window->UpdateData(false);
    EXPECT_EQ(BST_UNCHECKED, SendDlgItemMessageA(hwnd, IDC_BOX_AL, BM_GETCHECK, 0, 0));
}

TEST_F(StatProvWindow, PointerOverTheWindowSavesOnlyTheMovedCoordinates) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    ExpectPositionSaving(window->GetSafeHwnd(), "stat_x", "stat_y");
}

TEST_F(StatProvWindow, ControlsAndBackgroundTakeTheWindowsColours) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    ExpectStatusColours(window->GetSafeHwnd(), IDC_BOX_AL);
}

TEST_F(StatProvWindow, EveryLabelFitsAtTheWindowsScaleAndAtEachNewOne) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    ExpectTextsFitAndApart(window->GetSafeHwnd(), window->Dpi(), 201);
    ExpectLaidOutAgainForEachScale(window->GetSafeHwnd(), window->Dpi());
}
