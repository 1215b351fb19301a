#include "windows/status_windows.h"

Stat_Prov* g_pStatProv = nullptr;
Multiplier* g_pMultiplier = nullptr;
