// The State/Province window: its template, position, look and boxes.
#include <gtest/gtest.h>

#include <memory>

#include "engine/settings.h"
#include "platform/module_instance.h"
#include "resources/resource.h"
#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"
#include "tests/win32/status_window_checks.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/window_picture.h"
#include "windows/status_windows.h"

namespace {

struct BoxCell {
    int id;
    const char* caption;
    int x, y, width;  // dialog units; every box is 8 high
};

// Template 115's boxes in id order.
const BoxCell kBoxes[] = {
    {1016, "AL", 7, 17, 20},     {1017, "MD", 7, 36, 20},     {1018, "AR", 29, 17, 20},
    {1019, "AZ", 52, 17, 20},    {1020, "CA", 75, 17, 20},    {1021, "CO", 98, 17, 20},
    {1022, "CT", 121, 17, 20},   {1023, "DE", 143, 17, 20},   {1024, "FL", 165, 17, 20},
    {1025, "GA", 7, 27, 20},     {1026, "ID", 29, 27, 20},    {1027, "IL", 52, 27, 20},
    {1028, "IA", 75, 27, 20},    {1029, "KS", 98, 27, 20},    {1030, "KY", 121, 27, 20},
    {1031, "LA", 143, 27, 20},   {1032, "MA", 165, 27, 20},   {1033, "ME", 29, 36, 20},
    {1034, "MI", 52, 36, 20},    {1035, "MN", 75, 36, 20},    {1036, "MS", 98, 36, 20},
    {1037, "MO", 121, 36, 20},   {1038, "MT", 143, 36, 20},   {1039, "IN", 165, 36, 20},
    {1040, "NE", 7, 46, 20},     {1041, "NV", 29, 46, 20},    {1042, "NH", 52, 46, 20},
    {1043, "NJ", 75, 46, 20},    {1044, "NM", 98, 46, 20},    {1045, "NY", 121, 46, 20},
    {1046, "NC", 143, 46, 20},   {1047, "ND", 165, 46, 20},   {1048, "OH", 7, 56, 20},
    {1049, "OK", 30, 56, 20},    {1050, "OR", 52, 56, 20},    {1051, "PA", 75, 56, 20},
    {1052, "RI", 98, 56, 20},    {1053, "SC", 121, 56, 20},   {1054, "SD", 143, 56, 20},
    {1055, "TN", 165, 56, 20},   {1056, "TX", 7, 66, 20},     {1057, "UT", 30, 66, 20},
    {1058, "VT", 52, 66, 20},    {1059, "VA", 75, 66, 20},    {1060, "WA", 98, 66, 20},
    {1061, "WV", 121, 66, 20},   {1062, "WI", 143, 66, 20},   {1063, "WY", 165, 66, 20},
    {1064, "AB", 7, 86, 20},     {1065, "BC", 30, 86, 20},    {1066, "LB", 52, 86, 20},
    {1067, "MB", 76, 86, 20},    {1068, "NB", 98, 86, 20},    {1069, "NF", 121, 86, 20},
    {1070, "NS", 143, 86, 20},   {1071, "NWT", 166, 86, 26},  {1072, "NU", 7, 96, 20},
    {1073, "ON", 30, 96, 20},    {1074, "QC", 52, 96, 20},    {1075, "SK", 76, 96, 20},
    {1076, "YT", 98, 96, 20},    {1077, "PEI", 121, 96, 22},  {1078, "AGS", 8, 119, 24},
    {1079, "BAC", 34, 119, 24},  {1080, "BCS", 61, 119, 24},  {1081, "CAM", 88, 119, 24},
    {1082, "CHI", 117, 119, 24}, {1083, "CHH", 143, 119, 24}, {1084, "COA", 169, 119, 24},
    {1085, "COL", 8, 128, 24},   {1086, "DFE", 34, 128, 24},  {1087, "DGO", 61, 128, 24},
    {1088, "EMX", 88, 128, 24},  {1089, "GTO", 117, 128, 24}, {1090, "GRO", 143, 128, 24},
    {1091, "HGO", 169, 128, 24}, {1092, "JAL", 8, 137, 24},   {1093, "MIC", 34, 137, 24},
    {1094, "MOR", 61, 137, 24},  {1095, "NAY", 88, 137, 24},  {1096, "NLE", 117, 137, 24},
    {1097, "OAX", 143, 137, 24}, {1098, "PUE", 169, 137, 24}, {1099, "QRO", 8, 146, 24},
    {1100, "QUI", 34, 146, 24},  {1101, "SLP", 61, 146, 24},  {1102, "SIN", 88, 146, 24},
    {1103, "SON", 117, 146, 24}, {1104, "TAB", 143, 146, 24}, {1105, "TAM", 169, 146, 24},
    {1106, "TLX", 8, 155, 24},   {1107, "VER", 34, 155, 24},  {1108, "YUC", 61, 155, 24},
    {1109, "ZAC", 88, 155, 24},  {1110, "R1", 53, 175, 29},   {1111, "R2", 97, 175, 29},
    {1112, "R3", 134, 175, 29},
};

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

std::unique_ptr<Stat_Prov> OpenStatProv() {
    return std::unique_ptr<Stat_Prov>(OpenStatusWindow<Stat_Prov>());
}

}  // namespace

class StatProvWindow : public testing::Test {
protected:
    ScratchDir m_Dir;
};

TEST_F(StatProvWindow, OpensAtTheStoredPositionOrTheDefault) {
    const PositionCase cases[] = {
        {nullptr, nullptr, 10, 600}, {"0", "0", 10, 600},  // a stored 0 counts as missing
        {"-5", "-7", -5, -7},        {"300", nullptr, 300, 600},
        {nullptr, "40", 10, 40},     {" 42x", "+77", 42, 77},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.Describe());
        c.WriteSettings("stat_x", "stat_y");
        auto window = OpenStatProv();
        ASSERT_TRUE(window);
        ExpectTopLeft(window->GetSafeHwnd(), c.expectedX, c.expectedY);
    }
}

TEST_F(StatProvWindow, IsATopMostFixedWindowWithTheModulesIcon) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    HWND hwnd = window->GetSafeHwnd();
    EXPECT_EQ("State/Prov", WindowText(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    ExpectStatusWindowFrame(hwnd, false);
    ExpectDialogClientSize(hwnd, 201, 202);
}

TEST_F(StatProvWindow, HoldsTheNinetySevenBoxesAtTheirPlaces) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    HWND hwnd = window->GetSafeHwnd();
    ASSERT_EQ(kStatProvBoxCount, std::size(kBoxes));
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
        const BoxCell& box = kBoxes[i];
        SCOPED_TRACE(testing::Message() << box.id << " " << box.caption);
        EXPECT_EQ(IDC_STAT_PROV_FIRST + static_cast<int>(i), box.id);
        EXPECT_STREQ(kStatProvCaptions[i], box.caption) << "the code's table agrees";
        ExpectControl(hwnd, box.id, box.caption, {box.x, box.y, box.width, 8}, BS_AUTOCHECKBOX);
    }
    const std::vector<HWND> statics = StaticControls(hwnd);
    ASSERT_EQ(std::size(kLabels), statics.size());
    for (std::size_t i = 0; i < statics.size(); ++i) {
        const Label& label = kLabels[i];
        SCOPED_TRACE(label.text);
        EXPECT_EQ(label.text, WindowText(statics[i]));
        ExpectPlacedAt(hwnd, statics[i], {label.x, label.y, label.width, 8});
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
    ExpectPositionSaving(window->GetSafeHwnd(), "stat_x", "stat_y", 10, 600);
}

TEST_F(StatProvWindow, ControlsAndBackgroundTakeTheWindowsColours) {
    auto window = OpenStatProv();
    ASSERT_TRUE(window);
    ExpectStatusColours(window->GetSafeHwnd(), IDC_BOX_AL);
}
