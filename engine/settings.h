#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The module's settings file, beside the host, and its one section.
inline constexpr char g_IniFile[] = "Plugins\\ARRL-10M_CW_SSB.ini";
inline constexpr char g_IniSection[] = "Settings";
// Every read of the settings file takes at most this many characters less one.
constexpr std::size_t kIniBufSize = 100;

// The window position that the last of the module's windows loaded or saved;
// used by the window thread only.
extern int32_t g_SetupX;
extern int32_t g_SetupY;

// Standard decimal conversion: leading white space, an optional sign, digits;
// anything else ends the number, no digits gives 0. Saturates at the limits.
int32_t ParseDecimal(const std::string& text);

// One key of the settings file as an integer; missing reads as 0.
int32_t ReadSettingInt(const char* key);
void WriteSetting(const char* key, const std::string& value);
void WriteSettingInt(const char* key, int32_t value);

// Reads a window's position into g_SetupX / g_SetupY; a missing or 0 value
// takes the default.
void LoadPosition(const char* keyX, const char* keyY, int32_t defaultX, int32_t defaultY);
// Writes the window's left and top under its keys where they differ from the
// last position loaded or saved.
void SavePosition(int32_t left, int32_t top, const char* keyX, const char* keyY);
