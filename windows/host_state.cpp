#include "windows/host_state.h"

std::string g_HostCall;
int32_t g_HostBand = -1;
int32_t g_HostMode = -1;
