#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "host/chaos/chaos_run.h"
#include "host/chaos/host_objects.h"
#include "host/chaos/process_census.h"
#include "host/simulator/module_threads.h"

// The module as the host loads and unloads it, watched. After every unload:
// FreeLibrary came back within its bound, no thread that started in the
// module runs and none of their windows is left, the module's image is
// gone, the host's object answers, and the process holds no handle more
// than the static runtime's two per load (its record of the loading thread),
// but for what the system sets up once, unless the unload had to stop a
// thread, which leaves that thread's own remains. What each unload took and
// left is logged on a line of its own.
class ModuleCycle {
public:
    // `whose` names a thread of the host for the log ("main", "a host thread").
    ModuleCycle(ChaosRun& run, HostObjects& objects, std::string path,
                std::function<std::string(DWORD)> whose)
        : m_Run(run), m_Objects(objects), m_Path(std::move(path)), m_Whose(std::move(whose)) {}

    // LoadLibrary and the exports, as the host finds them; false (the run
    // failed) when the module does not load.
    bool Load();
    // FreeLibrary and the checks. Call from the thread that loaded, with no
    // other host thread inside the module.
    void Unload();
    bool Loaded() const { return m_Module != nullptr; }
    // Notes the module's threads running now, and how deep their stacks go.
    void Collect();
    // Whether a thread of the module runs without its control dialog shown:
    // one that is starting (and looking the host's object up), or ending.
    bool WindowThreadBetweenDialogs();
    // A load, `use`, and an unload that count for nothing: what COM and the
    // window system set up at their first use, and keep for the process,
    // is set up before the counting starts.
    void WarmUp(const std::function<void()>& use);

    struct Figures {
        int loads = 0;
        int unloads = 0;
        int stopped = 0;        // unloads that stopped a thread
        int cleanHandles = 0;   // new handles over the unloads that stopped none
        int excessHandles = 0;  // of those, beyond the runtime's per load
        DWORD worstUnloadMs = 0;
        StackUse deepestStack;
    };
    const Figures& Totals() const { return m_Figures; }

private:
    void CheckRemains(int stopped);
    // The host's own call of its object did not come back: a failure, or the
    // run's limit when the last unload stopped a thread.
    void NoteStuck(const std::string& stuck);

    ChaosRun& m_Run;
    HostObjects& m_Objects;
    std::string m_Path;
    std::function<std::string(DWORD)> m_Whose;
    HMODULE m_Module = nullptr;
    PluginExports m_Exports{};
    std::unique_ptr<ModuleThreads> m_Threads;
    std::unique_ptr<ModuleThreads> m_ModuleThreads;  // the unloaded module's, for the count
    HandleCensus m_HandlesBefore;
    MemoryCensus m_MemoryBefore;
    Figures m_Figures;
    bool m_LastUnloadStopped = false;
};
