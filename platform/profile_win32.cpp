#include <windows.h>

#include <vector>

#include "platform/profile.h"

std::string ReadIniString(const char* file, const char* section, const char* key,
                          const char* defaultValue, std::size_t bufSize) {
    if (bufSize == 0) {
        return std::string();
    }
    std::vector<char> buf(bufSize, '\0');
    const DWORD n = GetPrivateProfileStringA(section, key, defaultValue, buf.data(),
                                             static_cast<DWORD>(bufSize), file);
    return std::string(buf.data(), n);
}

bool WriteIniString(const char* file, const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}
