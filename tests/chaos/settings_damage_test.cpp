// Each way the randomised host damages a file leaves it as it says.
#include "host/chaos/settings_damage.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/common/scratch_dir.h"

namespace {

const char kPath[] = "Plugins\\ARRL-10M_CW_SSB.ini";
const char kStored[] = "[Settings]\r\nStart=1\r\nsetup_arrl_x=120\r\n";

}  // namespace

TEST(SettingsDamage, EachDamageLeavesTheFileAsItSays) {
    const struct Case {
        Damage damage;
        bool file;  // a plain file is left
        bool (*holds)(const std::string& bytes);
    } cases[] = {
        {Damage::kCutShort, true,
         [](const std::string& b) {
             return b.size() < std::strlen(kStored) &&
                    std::string(kStored).compare(0, b.size(), b) == 0;
         }},
        {Damage::kNoise, true, [](const std::string& b) { return !b.empty() && b.size() <= 5000; }},
        {Damage::kHuge, true, [](const std::string& b) { return b.size() > 60000; }},
        {Damage::kAbsurd, true,
         [](const std::string& b) { return b.rfind("[Settings]\r\n", 0) == 0; }},
        {Damage::kReadOnly, true, [](const std::string& b) { return b == kStored; }},
        {Damage::kMissing, false, nullptr},
        {Damage::kFolder, false, nullptr},
    };
    ScratchDir dir;
    ChaosRandom random(11);
    for (const Case& c : cases) {
        SCOPED_TRACE(DamageName(c.damage));
        DamageFile(kPath, Damage::kMissing, random);  // a plain file again, whatever was left
        WriteFileBytes(kPath, kStored);
        DamageFile(kPath, c.damage, random);
        const DWORD attributes = GetFileAttributesA(kPath);
        EXPECT_EQ(c.file, FileExists(kPath) && !(attributes & FILE_ATTRIBUTE_DIRECTORY));
        EXPECT_EQ(c.damage == Damage::kReadOnly, attributes != INVALID_FILE_ATTRIBUTES &&
                                                     (attributes & FILE_ATTRIBUTE_READONLY) != 0);
        EXPECT_EQ(c.damage == Damage::kFolder, attributes != INVALID_FILE_ATTRIBUTES &&
                                                   (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
        if (c.holds) {
            EXPECT_TRUE(c.holds(ReadFileBytes(kPath)));
        }
    }
    DamageFile(kPath, Damage::kMissing, random);
}
