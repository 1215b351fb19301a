#pragma once

#include <string>

#include "platform/text.h"

// Log texts with ASCII rules, whatever the process's locale. Logs write names
// and callsigns in either case; the host compares them in one.

inline std::string LowerCased(std::string text) {
    for (char& c : text) {
        c = platform::ToLowerAscii(c);
    }
    return text;
}

inline bool AllDigits(const std::string& text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}
