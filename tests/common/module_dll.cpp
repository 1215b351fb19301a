// Loads the built module and finds its exports by name, as the host does.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/common/module_exports.h"
#include "tests/win32/wine_path.h"

namespace {

template <typename F>
void Find(HMODULE module, const char* name, F& function) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!function) {
        std::fprintf(stderr, "export %s not found\n", name);
        std::abort();
    }
}

HMODULE LoadModule() {
    const std::string path = WinePath(ARRL_DLL_PATH);
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) {
        std::fprintf(stderr, "cannot load %s\n", path.c_str());
        std::abort();
    }
    return module;
}

}  // namespace

const ModuleExports& Module() {
    static const ModuleExports exports = [] {
        HMODULE module = LoadModule();
        ModuleExports e{};
        Find(module, "GetNumberOfSets", e.GetNumberOfSets);
        Find(module, "GetSetName", e.GetSetName);
        Find(module, "SetupSet0", e.SetupSet0);
        Find(module, "GetExchgCount0", e.GetExchgCount0);
        Find(module, "IsValidExchg0", e.IsValidExchg0);
        Find(module, "CheckCall0", e.CheckCall0);
        Find(module, "AddData0", e.AddData0);
        Find(module, "RemoveData0", e.RemoveData0);
        Find(module, "ResetStats0", e.ResetStats0);
        Find(module, "GetResult0", e.GetResult0);
        return e;
    }();
    return exports;
}
