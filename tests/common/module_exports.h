#pragma once

#include "engine/plugin_api.h"
#include "platform/ole_date_time.h"

// The module's exported functions as a host finds them: natively the linked
// functions, under Windows GetProcAddress on the loaded DLL.
struct ModuleExports {
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

const ModuleExports& Module();
