#pragma once

#include <cstddef>
#include <string>

namespace platform {

// One-key access to initialisation (INI) files, with the observable rules of
// the Windows private-profile functions: section and key names match without
// regard to case; a missing file, section or key reads as the default; a value
// arrives cut to bufSize - 1 characters; a pair of quotes around a value is
// removed and blanks around keys and values are trimmed. A relative path that
// holds a backslash resolves against the current directory.

std::string ReadIniString(const char* file, const char* section, const char* key,
                          const char* defaultValue, std::size_t bufSize);

// The same, whole: a value of any length that the file holds.
std::string ReadWholeIniString(const char* file, const char* section, const char* key,
                               const char* defaultValue);

// Writes one key (a null value deletes it). False when the file could not be
// written, for instance because its folder does not exist.
bool WriteIniString(const char* file, const char* section, const char* key, const char* value);

}  // namespace platform
