#pragma once

#include <windows.h>

#include "host/simulator/module_threads.h"
#include "tests/common/module_exports.h"

// The built module, loaded and unloaded by the test as the host does, as many
// times as it likes. While one is loaded, Module() (and with it the calls of
// host_calls.h) reaches its exports.
class LoadedModule {
public:
    LoadedModule();
    // Unloads the module unless the test did.
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    bool Loaded() const { return m_Module != nullptr; }
    // The threads that started in the module's code so far (collected anew
    // at every call, and just before unloading).
    ModuleThreads& Threads();
    // FreeLibrary, as the host calls it; the milliseconds it took.
    DWORD Unload();

private:
    HMODULE m_Module;
    ModuleThreads m_Threads;
};

// Whether a control dialog of the module is open in this process.
bool ControlDialogOpen();
// Handles messages until the module's control dialog is open; false if it
// does not open within the timeout.
bool WaitForControlDialog(DWORD timeoutMs = 10000);
