#include <windows.h>

#include <vector>

#include "platform/profile.h"

namespace platform {

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

std::string ReadWholeIniString(const char* file, const char* section, const char* key,
                               const char* defaultValue) {
    // A value that fills the buffer may have been cut: read again with twice
    // the room until one fits with room to spare.
    constexpr std::size_t kLimit = std::size_t{1} << 30;
    std::string value;
    for (std::size_t size = 256; size <= kLimit; size *= 2) {
        value = ReadIniString(file, section, key, defaultValue, size);
        if (value.size() < size - 1) {
            break;
        }
    }
    return value;
}

bool WriteIniString(const char* file, const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

}  // namespace platform
