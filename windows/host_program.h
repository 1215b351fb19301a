#pragma once

#include <optional>
#include <string>

namespace windows {

// The version of the host's program file: the first "*.exe" of the current
// directory whose name contains the host's name; empty when there is none or
// it carries no version resource.
std::optional<std::string> HostProgramVersion();

// The host's version text: two parts for major version 2, else three.
std::string FormatHostVersion(unsigned major, unsigned minor, unsigned build);

}  // namespace windows
