#pragma once

#include <string>

namespace platform {

// printf into a std::string of whatever length the result needs.
std::string StringPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace platform
