// A module that misbehaves at its unload, for the host simulator's tests: it
// either leaves a thread behind that returns into its unmapped code (a crash
// once the module is gone), or never comes back from its unload.
#include <windows.h>

#include "exports/plugin_api.h"

using namespace platform;

namespace {

DWORD WINAPI Straggler(LPVOID) {
    Sleep(500);
    return 0;  // into code that is no longer there
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
#if defined(FAKE_MODULE_HANGS)
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        Sleep(INFINITE);
    }
#else
    (void)reason;
    (void)reserved;
#endif
    return TRUE;
}

extern "C" {

int PLUGIN_CALL GetNumberOfSets() {
    return 1;
}
const char* PLUGIN_CALL GetSetName(int) {
    return "Misbehaving module";
}
void PLUGIN_CALL SetupSet0() {}
int PLUGIN_CALL GetExchgCount0(const char*, const char*, const char*) {
    return 1;
}
int PLUGIN_CALL IsValidExchg0(const char*, const char*, const char*, const char*, int, int, int) {
    return 1;
}
int PLUGIN_CALL CheckCall0(const char*, unsigned int, unsigned int, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, int, int, int,
                           double, double, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, char*, char*) {
    return 2;
}
int PLUGIN_CALL AddData0(const char*, const char*, COleDateTime*, COleDateTime*, COleDateTime*,
                         COleDateTime*, unsigned int, unsigned int, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char*, int, int, int, double, double,
                         const char*, const char*, const char*, const char*, const char*) {
    return 1;
}
int PLUGIN_CALL RemoveData0(const char*, const char*, COleDateTime*, COleDateTime*, COleDateTime*,
                            COleDateTime*, unsigned int, unsigned int, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, int, int, int, double, double,
                            const char*, const char*, const char*, const char*, const char*) {
    return 1;
}
int PLUGIN_CALL ResetStats0(const char*, int, const char*, COleDateTime*, COleDateTime*,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*, int,
                            int, int, double, double, const char*, const char*, const char*) {
    CloseHandle(CreateThread(nullptr, 0, Straggler, nullptr, 0, nullptr));
    return 1;
}
const char* PLUGIN_CALL GetResult0(int*) {
    return "no score";
}

}  // extern "C"
