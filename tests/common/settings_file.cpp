#include "tests/common/settings_file.h"

#include "platform/profile.h"

using namespace platform;

std::string SettingsValue(const char* key) {
    return ReadIniString("Plugins\\ARRL-10M_CW_SSB.ini", "Settings", key, "<missing>", 1000);
}
