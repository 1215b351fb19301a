// Loads the built module and finds its exports by name, as the host does.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/common/module_exports.h"
#include "tests/win32/wine_path.h"

namespace {

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
        ModuleExports e{};
        std::string missing;
        if (!FindPluginExports(LoadModule(), e, missing)) {
            std::fprintf(stderr, "export %s not found\n", missing.c_str());
            std::abort();
        }
        return e;
    }();
    return exports;
}
