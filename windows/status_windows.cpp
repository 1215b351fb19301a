#include "windows/status_windows.h"

Stat_Prov* g_pStatProv = nullptr;
Multiplier* g_pMultiplier = nullptr;

void CloseOpenStatusWindows() {
    if (g_pStatProv) {
        CloseStatusWindow(g_pStatProv);
    }
    if (g_pMultiplier) {
        CloseStatusWindow(g_pMultiplier);
    }
}

void DeleteStatusWindows() {
    delete g_pStatProv;
    g_pStatProv = nullptr;
    delete g_pMultiplier;
    g_pMultiplier = nullptr;
}
