#include "host/simulator/plugin_exports.h"

namespace {

template <typename F>
bool Find(HMODULE module, const char* name, F& function, std::string& missing) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!function && missing.empty()) {
        missing = name;
    }
    return function != nullptr;
}

}  // namespace

bool FindPluginExports(HMODULE module, PluginExports& e, std::string& missing) {
    missing.clear();
    Find(module, "GetNumberOfSets", e.GetNumberOfSets, missing);
    Find(module, "GetSetName", e.GetSetName, missing);
    Find(module, "SetupSet0", e.SetupSet0, missing);
    Find(module, "GetExchgCount0", e.GetExchgCount0, missing);
    Find(module, "IsValidExchg0", e.IsValidExchg0, missing);
    Find(module, "CheckCall0", e.CheckCall0, missing);
    Find(module, "AddData0", e.AddData0, missing);
    Find(module, "RemoveData0", e.RemoveData0, missing);
    Find(module, "ResetStats0", e.ResetStats0, missing);
    Find(module, "GetResult0", e.GetResult0, missing);
    return missing.empty();
}
