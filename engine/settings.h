#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace engine {

// The module's settings file, beside the host, and its one section.
inline constexpr char g_IniFile[] = "Plugins\\ARRL-10M_CW_SSB.ini";
inline constexpr char g_IniSection[] = "Settings";
// Every read of the settings file takes at most this many characters less one.
constexpr std::size_t kIniBufSize = 100;

// Standard decimal conversion: leading white space, an optional sign, digits;
// anything else ends the number, no digits gives 0. Saturates at the limits.
int32_t ParseDecimal(const std::string& text);

// One key of the settings file as an integer; missing reads as 0.
int32_t ReadSettingInt(const char* key);
void WriteSetting(const char* key, const std::string& value);
void WriteSettingInt(const char* key, int32_t value);

}  // namespace engine
