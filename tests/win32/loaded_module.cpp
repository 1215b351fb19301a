#include "tests/win32/loaded_module.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/simulator/desktop_driver.h"
#include "tests/win32/wine_path.h"

namespace {

ModuleExports g_Exports{};

HMODULE LoadOrAbort() {
    const std::string path = WinePath(ARRL_DLL_PATH);
    HMODULE module = LoadLibraryA(path.c_str());
    std::string missing;
    if (!module || !FindPluginExports(module, g_Exports, missing)) {
        std::fprintf(stderr, "cannot load %s %s\n", path.c_str(), missing.c_str());
        std::abort();
    }
    return module;
}

}  // namespace

const ModuleExports& Module() {
    return g_Exports;
}

LoadedModule::LoadedModule() : m_Module(LoadOrAbort()) {
    m_Threads.Watch(m_Module);
}

LoadedModule::~LoadedModule() {
    if (m_Module) {
        Unload();
    }
}

ModuleThreads& LoadedModule::Threads() {
    if (m_Module) {
        m_Threads.Collect();
    }
    return m_Threads;
}

DWORD LoadedModule::Unload() {
    m_Threads.Collect();
    const DWORD start = GetTickCount();
    FreeLibrary(m_Module);
    const DWORD took = GetTickCount() - start;
    m_Module = nullptr;
    g_Exports = ModuleExports{};
    return took;
}

bool ControlDialogOpen() {
    return FindDialogTitled("Setup ARRL 10 Meter Contest") != nullptr;
}

bool WaitForControlDialog(DWORD timeoutMs) {
    return PumpMessagesUntil(ControlDialogOpen, timeoutMs);
}
