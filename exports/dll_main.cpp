// Loading and unloading of the module by the host.
#include <windows.h>

#include "exports/module_state.h"
#include "platform/win32/module_instance.h"
#include "windows/win32_desktop.h"
#include "windows/window_thread.h"

namespace exports {

namespace {

// The module's state. Its parts are made in this order as the DLL loads,
// before DllMain's attach runs, and taken down in the reverse order after its
// detach has returned: the desktop, the window thread's state, the pass's
// results, the contest log. They are made at load, not at their first use by
// a host thread (see g_PlacesByName in engine/places.cpp).
class Module : public ModuleState {
public:
    platform::Desktop& GetDesktop() override { return m_Desktop; }

    windows::WindowThread m_WindowThread{m_Log};
    windows::Win32Desktop m_Desktop{m_WindowThread};
};

Module g_Module;

}  // namespace

ModuleState& TheModule() {
    return g_Module;
}

}  // namespace exports

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        platform::SetModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded by FreeLibrary: the status windows close before the code
        // they run goes away. At process exit their thread is already gone.
        exports::g_Module.m_WindowThread.Close();
    }
    return TRUE;
}
