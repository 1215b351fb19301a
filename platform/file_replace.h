#pragma once

#include <string>

namespace platform {

// Puts the file `from` in the place of `to`, replacing a file there, in one
// step of the file system; false (both left as they were) when it cannot.
bool ReplaceFileWith(const std::string& from, const std::string& to);

}  // namespace platform
