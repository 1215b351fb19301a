#include "host/chaos/module_cycle.h"

#include "host/simulator/module_watch.h"
#include "windows/window_thread.h"

using namespace platform;
using namespace windows;

namespace {

// The static runtime's record of the loading thread, kept for each load.
constexpr int kRuntimeHandlesPerLoad = 2;
// What COM and the window system may still set up for the process after the
// warm-up, over the whole run: a connection and a worker thread of COM's for
// an apartment that the object moved to, a first text in a field... A
// handle that every load leaves soon goes past it.
constexpr int kOneTimeHandles = 30;
// How long a window thread may take to end after the unload: once done with
// the module, it still releases its link to the host's object, which waits
// for a host apartment that is busy (for up to 8 s here).
constexpr DWORD kThreadsEndMs = 10000;

std::string ModuleName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool ModuleCycle::Load() {
    // The host's own call first: what COM keeps for that path is the host's.
    m_Objects.Release();
    std::string stuck;
    if (HostObjects::CallRunning(m_Run, stuck) == E_PENDING) {
        NoteStuck(stuck + ", before a load");
        return false;
    }
    m_HandlesBefore = HandleCensus::Take();
    m_MemoryBefore = MemoryCensus::Take();
    m_Module = LoadLibraryA(m_Path.c_str());
    std::string missing;
    if (!m_Module || !FindPluginExports(m_Module, m_Exports, missing)) {
        m_Run.Fail("the module does not load: " + m_Path + " " + missing);
        return false;
    }
    NoteModuleImage(m_Module);
    m_Threads = std::make_unique<ModuleThreads>();
    m_Threads->Watch(m_Module);
    m_Run.SetExports(&m_Exports);
    ++m_Figures.loads;
    if (m_Exports.GetNumberOfSets() != 1) {
        m_Run.Fail("the module loaded again does not answer GetNumberOfSets");
    }
    return true;
}

namespace {

BOOL CALLBACK FindShownDialog(HWND window, LPARAM thread) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return !(GetWindowThreadProcessId(window, nullptr) == static_cast<DWORD>(thread) &&
             IsWindowVisible(window) && lstrcmpA(name, "#32770") == 0);
}

}  // namespace

bool ModuleCycle::WindowThreadBetweenDialogs() {
    if (!m_Threads) {
        return false;
    }
    Collect();
    for (HANDLE thread : m_Threads->Running()) {
        if (EnumWindows(FindShownDialog, static_cast<LPARAM>(GetThreadId(thread)))) {
            return true;  // the search went through: no dialog shown
        }
    }
    return false;
}

void ModuleCycle::WarmUp(const std::function<void()>& use) {
    HMODULE module = LoadLibraryA(m_Path.c_str());
    std::string missing;
    if (!module || !FindPluginExports(module, m_Exports, missing)) {
        return;  // the first real load will say why
    }
    ModuleThreads threads;
    threads.Watch(module);
    m_Run.SetExports(&m_Exports);
    use();
    threads.Collect();
    m_Run.SetExports(nullptr);
    FreeLibrary(module);
    threads.StillRunningAfter(kThreadsEndMs);
}

void ModuleCycle::Collect() {
    if (!m_Threads) {
        return;
    }
    m_Threads->Collect();
    for (HANDLE thread : m_Threads->Running()) {
        const StackUse stack = StackOf(thread);
        StackUse& deepest = m_Figures.deepestStack;
        deepest.used = stack.used > deepest.used ? stack.used : deepest.used;
        deepest.reserve = stack.reserve > deepest.reserve ? stack.reserve : deepest.reserve;
    }
}

void ModuleCycle::Unload() {
    Collect();
    m_Run.SetExports(nullptr);
    const DWORD start = GetTickCount();
    m_Run.Begin(kMainThread, "FreeLibrary");
    FreeLibrary(m_Module);
    const DWORD took = GetTickCount() - start;
    m_Run.End(kMainThread, "FreeLibrary", took, kUnloadBoundMs);
    m_Module = nullptr;
    ++m_Figures.unloads;
    m_Figures.worstUnloadMs = took > m_Figures.worstUnloadMs ? took : m_Figures.worstUnloadMs;

    if (m_Threads->StillRunningAfter(kThreadsEndMs) != 0) {
        m_Run.Fail("a thread of the module still runs after its unload");
    }
    if (m_Threads->WindowsLeft() != 0) {
        m_Run.Fail("a window of the module is left after its unload");
    }
    if (GetModuleHandleA(ModuleName(m_Path).c_str())) {
        m_Run.Fail("the module is still mapped after its unload");
    }
    int stopped = 0;
    for (DWORD code : m_Threads->ExitCodes()) {
        stopped += code == kStoppedThreadExitCode ? 1 : 0;
    }
    m_ModuleThreads = std::move(m_Threads);
    m_ModuleThreads->CloseHandles();  // closed before the count
    m_Run.Log("FreeLibrary took " + std::to_string(took) + " ms" +
              (stopped ? ", a window thread stopped" : ""));
    m_LastUnloadStopped = stopped != 0;
    CheckRemains(stopped);
}

void ModuleCycle::NoteStuck(const std::string& stuck) {
    // After a stop, the look-up that waits is the host's: the module's own
    // ended with its thread.
    if (m_LastUnloadStopped && stuck.find("GetActiveObject") != std::string::npos) {
        m_Run.Limit(stuck + " after a window thread was stopped");
    } else {
        m_Run.Fail(stuck);
    }
}

void ModuleCycle::CheckRemains(int stopped) {
    m_Objects.Release();
    std::string stuck;
    const HRESULT answer = HostObjects::CallRunning(m_Run, stuck);
    if (answer == E_PENDING) {
        NoteStuck(stuck + ", after an unload");
    } else if (m_Objects.Current() != HostObjects::kNone && FAILED(answer)) {
        char text[80];
        std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(answer));
        m_Run.Fail(std::string("the host's object no longer answers after an unload: ") + text);
    }
    const HandleCensus after = HandleCensus::Take();
    const std::map<std::string, int> handles = after.NewSince(m_HandlesBefore);
    std::string threads;
    bool threadRecordLeft = false;  // a handle to a host thread but main, or to the module's
    for (DWORD id : after.NewThreadsSince(m_HandlesBefore)) {
        const std::string whose =
            m_ModuleThreads->Holds(id) ? "a thread of the module" : m_Whose(id);
        threads += (threads.empty() ? "" : ", ") + whose;
        threadRecordLeft =
            threadRecordLeft || whose == "a thread of the module" || whose == "a host thread";
    }
    m_ModuleThreads.reset();
    const MemoryCensus memory = MemoryCensus::Take();
    const int count = TotalHandles(handles);
    char line[400];
    std::snprintf(line, sizeof line,
                  "UNLOAD stopped=%d handles=%d (%s; threads: %s) reserved_kib=%lld "
                  "committed_kib=%lld",
                  stopped, count, DescribeHandles(handles).c_str(), threads.c_str(),
                  static_cast<long long>((memory.reserved - m_MemoryBefore.reserved) / 1024),
                  static_cast<long long>((memory.committed - m_MemoryBefore.committed) / 1024));
    m_Run.Log(line);
    if (threadRecordLeft) {
        m_Run.Fail("the load and unload left a handle to a thread other than the loading one: " +
                   threads);
    }
    if (stopped != 0) {
        ++m_Figures.stopped;
        return;
    }
    m_Figures.cleanHandles += count;
    m_Figures.excessHandles += count - kRuntimeHandlesPerLoad;
    if (m_Figures.excessHandles > kOneTimeHandles) {
        m_Run.Fail("the load and unload left " + std::to_string(count) + " handles (" +
                   DescribeHandles(handles) + "; threads: " + threads +
                   ") where the runtime keeps " + std::to_string(kRuntimeHandlesPerLoad) + ", " +
                   std::to_string(m_Figures.excessHandles) + " more than that in this run");
    }
}
