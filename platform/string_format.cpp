#include "platform/string_format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace platform {

std::string StringPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    // Most texts fit a line: formatted once into it, measured and formatted
    // again only when longer.
    char line[256];
    const int length = std::vsnprintf(line, sizeof line, format, args);
    std::string out;
    if (length > 0 && static_cast<std::size_t>(length) < sizeof line) {
        out.assign(line, static_cast<std::size_t>(length));
    } else if (length > 0) {
        std::vector<char> buf(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, again);
        out.assign(buf.data(), static_cast<std::size_t>(length));
    }
    va_end(again);
    va_end(args);
    return out;
}

}  // namespace platform
