#include "windows/host_program.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/string_format.h"
#include "platform/win32/handle_owner.h"
#include "windows/status_texts.h"

namespace windows {

namespace {

std::optional<std::string> FindHostProgram() {
    WIN32_FIND_DATAA found;
    const platform::CFindHandle search(FindFirstFileA(kHostProgramPattern, &found));
    if (!search) {
        return std::nullopt;
    }
    std::optional<std::string> name;
    do {
        if (std::strstr(found.cFileName, kHostProgramMark)) {
            name = found.cFileName;
        }
    } while (!name && FindNextFileA(search.Get(), &found));
    return name;
}

}  // namespace

std::optional<std::string> HostProgramVersion() {
    const std::optional<std::string> program = FindHostProgram();
    if (!program) {
        return std::nullopt;
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(program->c_str(), &ignored);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<char> data(size);
    void* block = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(program->c_str(), 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", &block, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const VS_FIXEDFILEINFO* info = static_cast<const VS_FIXEDFILEINFO*>(block);
    return FormatHostVersion(HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                             HIWORD(info->dwFileVersionLS));
}

std::string FormatHostVersion(unsigned major, unsigned minor, unsigned build) {
    return major == 2 ? platform::StringPrintf("%u.%u", major, minor)
                      : platform::StringPrintf("%u.%u.%u", major, minor, build);
}

}  // namespace windows
