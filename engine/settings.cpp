#include "engine/settings.h"

#include <cctype>
#include <limits>

#include "platform/profile.h"

namespace engine {

int32_t ParseDecimal(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

int32_t ReadSettingInt(const char* key) {
    return ParseDecimal(platform::ReadIniString(g_IniFile, g_IniSection, key, "", kIniBufSize));
}

void WriteSetting(const char* key, const std::string& value) {
    platform::WriteIniString(g_IniFile, g_IniSection, key, value.c_str());
}

void WriteSettingInt(const char* key, int32_t value) {
    WriteSetting(key, std::to_string(value));
}

}  // namespace engine
