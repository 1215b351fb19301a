// Loading and unloading of the module by the host.
#include <windows.h>

#include "platform/win32/module_instance.h"
#include "windows/window_thread.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded by FreeLibrary: the status windows close before the code
        // they run goes away. At process exit their thread is already gone.
        CloseWindowThread();
    }
    return TRUE;
}
