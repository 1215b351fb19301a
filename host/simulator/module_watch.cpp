#include "host/simulator/module_watch.h"

#include <cstdio>
#include <thread>

#include "host/simulator/module_threads.h"

namespace {

// How long FreeLibrary may take before the host gives up on it, and how long
// the module's threads then have to end.
constexpr DWORD kUnloadHangMs = 8000;
constexpr DWORD kThreadsEndMs = 5000;

ImageRange g_Image;

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    const ULONG_PTR address = reinterpret_cast<ULONG_PTR>(record->ExceptionAddress);
    const bool inModule = g_Image.Holds(address);
    std::fflush(stdout);
    std::fprintf(stderr, "Vexo: crashed: exception 0x%08lX at address 0x%08lX%s\n",
                 static_cast<unsigned long>(record->ExceptionCode),
                 static_cast<unsigned long>(address),
                 inModule ? ", in the module's code (or where it was before its unload)" : "");
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), kExitCrash);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void ReportCrashes() {
    SetUnhandledExceptionFilter(ReportCrash);
}

void NoteModuleImage(HMODULE module) {
    g_Image = ImageOf(module);
}

int UnloadWatched(HMODULE module, std::ostream& err) {
    ModuleThreads threads;
    threads.Watch(module);
    threads.Collect();
    HANDLE unloaded = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE watching = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread watchdog([unloaded, watching] {
        SetEvent(watching);
        if (WaitForSingleObject(unloaded, kUnloadHangMs) != WAIT_OBJECT_0) {
            std::fflush(stdout);
            std::fprintf(stderr, "Vexo: the module did not come back from its unload in %lu s\n",
                         static_cast<unsigned long>(kUnloadHangMs / 1000));
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), kExitUnload);
        }
    });
    // A thread still starting needs the loader lock, which a hanging unload holds.
    WaitForSingleObject(watching, INFINITE);
    FreeLibrary(module);
    SetEvent(unloaded);
    watchdog.join();
    CloseHandle(unloaded);
    CloseHandle(watching);
    if (threads.StillRunningAfter(kThreadsEndMs) != 0) {
        err << "Vexo: a thread of the module still runs after its unload\n";
        return kExitUnload;
    }
    return 0;
}
