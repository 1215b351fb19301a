#include "platform/string_format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string StringPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string out;
    if (length > 0) {
        std::vector<char> buf(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, args);
        out.assign(buf.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
    return out;
}
