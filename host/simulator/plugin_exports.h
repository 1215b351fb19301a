#pragma once

#include "exports/plugin_api.h"

// The module's exported functions as the host finds them by name.
struct PluginExports {
    decltype(&::GetNumberOfSets) GetNumberOfSets;
    decltype(&::GetSetName) GetSetName;
    decltype(&::SetupSet0) SetupSet0;
    decltype(&::GetExchgCount0) GetExchgCount0;
    decltype(&::IsValidExchg0) IsValidExchg0;
    decltype(&::CheckCall0) CheckCall0;
    decltype(&::AddData0) AddData0;
    decltype(&::RemoveData0) RemoveData0;
    decltype(&::ResetStats0) ResetStats0;
    decltype(&::GetResult0) GetResult0;
};

#if defined(_WIN32)
#include <windows.h>

#include <string>

// Finds the ten exports of a loaded module; false with the first missing
// name in `missing`.
bool FindPluginExports(HMODULE module, PluginExports& exports, std::string& missing);
#endif
