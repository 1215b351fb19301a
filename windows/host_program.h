#pragma once

#include <optional>
#include <string>

// The version of the host's program file: the first "*.exe" of the current
// directory whose name contains the host's name; empty when there is none or
// it carries no version resource.
std::optional<std::string> HostProgramVersion();
