#pragma once

#include <cstdint>
#include <string>

// The host's state as the refresh cycle last read it; written by the refresh
// and read by the status button, both on the window thread.

// The callsign being entered in the host; empty selects the DXCC view.
extern std::string g_HostCall;
// Band index of the host's frequency (0 "160m" to 5 "10m"), -1 for none.
extern int32_t g_HostBand;
// 0 when the host's mode is "CW", 1 otherwise; -1 until the first refresh.
extern int32_t g_HostMode;
