#pragma once

#include <string>

#ifdef _WIN32
#include "tests/win32/wine_path.h"
#endif

// A file of the build machine as this test program sees it.
inline std::string MachinePath(const std::string& unixPath) {
#ifdef _WIN32
    return WinePath(unixPath);
#else
    return unixPath;
#endif
}
