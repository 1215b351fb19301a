#pragma once

#include <string>

// A path of the build machine as the Windows program sees it: Wine maps the
// Unix root to drive Z:.
inline std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}
