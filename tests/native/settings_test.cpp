// The settings file: integer reads and writes.
#include <gtest/gtest.h>

#include "engine/settings.h"
#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"

using namespace engine;

TEST(Settings, DecimalConversion) {
    struct Case {
        const char* text;
        int32_t expected;
    } const cases[] = {
        {"", 0},
        {"17", 17},
        {"-5", -5},
        {"+3", 3},
        {"  42", 42},
        {"\t-1x", -1},
        {"12abc", 12},
        {"abc", 0},
        {"- 1", 0},
        {"0", 0},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, ParseDecimal(c.text)) << "'" << c.text << "'";
    }
}

TEST(Settings, ReadsAndWritesTheModulesFile) {
    ScratchDir dir;
    EXPECT_EQ(0, ReadSettingInt("Start"));
    WriteSettingInt("Start", 1);
    WriteSettingInt("stat_x", -5);
    WriteSetting("setup_view_DXCC", "1");
    EXPECT_EQ(1, ReadSettingInt("start"));
    EXPECT_EQ(-5, ReadSettingInt("stat_x"));
    EXPECT_EQ(1, ReadSettingInt("setup_view_dxcc"));
    EXPECT_EQ("[Settings]\r\nStart=1\r\nstat_x=-5\r\nsetup_view_DXCC=1\r\n",
              ReadFileBytes("Plugins/ARRL-10M_CW_SSB.ini"));
}
