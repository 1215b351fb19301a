#pragma once

#include <string>

// A value of the module's settings file, read through the platform's
// private-profile functions; "<missing>" when the key is absent.
std::string SettingsValue(const char* key);
