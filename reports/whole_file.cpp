#include "reports/whole_file.h"

#include <cstdio>

#include "platform/file_replace.h"
#include "platform/text.h"
#include "reports/cabrillo_texts.h"

namespace reports {

namespace {

// Names that Windows gives to devices in every folder, with any extension:
// opening one reaches the device, never a file.
bool IsReservedDeviceName(const std::string& fileName) {
    std::string base = platform::UpperCased(fileName.substr(0, fileName.find('.')));
    base = base.substr(0, base.find_last_not_of(' ') + 1);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : kDevices) {
        if (base == device) {
            return true;
        }
    }
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

bool WriteWholeFile(const std::string& folder, const std::string& name,
                    std::initializer_list<std::string_view> pieces) {
    if (IsReservedDeviceName(name)) {
        return false;
    }
    const std::string path = folder + name;
    const std::string temporary = path + kTemporarySuffix;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool written = true;
    for (std::string_view piece : pieces) {
        written = written && std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
    }
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (written && flushed && closed && platform::ReplaceFileWith(temporary, path)) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

}  // namespace reports
