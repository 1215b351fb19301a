// The position shared by the module's windows: loaded with defaults, saved
// only where it moved.
#include "windows/window_position.h"

#include <gtest/gtest.h>

#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"

using namespace windows;

TEST(WindowPosition, LoadTakesDefaultsForMissingOrZero) {
    ScratchDir dir;
    WindowPosition position;
    position.Load("stat_x", "stat_y", 10, 600);
    EXPECT_EQ(10, position.m_SetupX);
    EXPECT_EQ(600, position.m_SetupY);
    WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini", "[Settings]\r\nstat_x=0\r\nstat_y=-7\r\n");
    position.Load("stat_x", "stat_y", 10, 600);
    EXPECT_EQ(10, position.m_SetupX);
    EXPECT_EQ(-7, position.m_SetupY);
}

TEST(WindowPosition, SaveWritesOnlyWhatMoved) {
    ScratchDir dir;
    WindowPosition position;
    position.Load("dxcc_x", "dxcc_y", 10, 400);
    position.Save(10, 400, "dxcc_x", "dxcc_y");
    EXPECT_FALSE(FileExists("Plugins/ARRL-10M_CW_SSB.ini")) << "nothing moved";
    position.Save(10, 250, "dxcc_x", "dxcc_y");
    EXPECT_EQ("<missing>", SettingsValue("dxcc_x"));
    EXPECT_EQ("250", SettingsValue("dxcc_y"));
    position.Save(10, 250, "dxcc_x", "dxcc_y");
    position.Save(-30, 250, "dxcc_x", "dxcc_y");
    EXPECT_EQ("-30", SettingsValue("dxcc_x"));
    // Another window saved elsewhere: the next save writes both keys again.
    position.Save(5, 5, "stat_x", "stat_y");
    WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini", "");
    position.Save(-30, 250, "dxcc_x", "dxcc_y");
    EXPECT_EQ("-30", SettingsValue("dxcc_x"));
    EXPECT_EQ("250", SettingsValue("dxcc_y"));
}
