#pragma once

#include <windows.h>

#include <vector>

// The addresses a loaded module's image takes up, as they stay known after
// its unload.
struct ImageRange {
    ULONG_PTR begin = 0;
    ULONG_PTR end = 0;
    bool Holds(ULONG_PTR address) const { return address >= begin && address < end; }
};
ImageRange ImageOf(HMODULE module);

// The threads of this process that began in a module's code, found by their
// start address: what a module leaves running can be checked after it is
// unloaded, when its code is gone.
class ModuleThreads {
public:
    ModuleThreads() = default;
    ~ModuleThreads();
    ModuleThreads(const ModuleThreads&) = delete;
    ModuleThreads& operator=(const ModuleThreads&) = delete;

    // Notes the module's address range; call while it is loaded.
    void Watch(HMODULE module);
    // Opens every thread of the process that started inside the range and is
    // not held yet.
    void Collect();
    // Waits (up to the timeout) for every held thread to end, handling this
    // thread's messages as the host's message loop does; the number still
    // running.
    int StillRunningAfter(DWORD timeoutMs) const;
    // The exit codes of the held threads that have ended.
    std::vector<DWORD> ExitCodes() const;
    // The top-level windows of this process that belong to a held thread.
    int WindowsLeft() const;
    // The held threads that still run.
    std::vector<HANDLE> Running() const;
    // Whether the thread is one of the held ones.
    bool Holds(DWORD id) const;
    // Lets go of the threads' handles, keeping their ids; nothing else may be
    // asked of them afterwards but Holds.
    void CloseHandles();
    std::size_t Count() const { return m_Threads.size(); }

private:
    struct Held {
        DWORD id;
        HANDLE handle;
    };
    ImageRange m_Image;
    std::vector<Held> m_Threads;
};
