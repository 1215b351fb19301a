#include <cstdio>

#include "platform/file_replace.h"

namespace platform {

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace platform
