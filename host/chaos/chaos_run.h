#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <thread>

#include "host/chaos/contest_model.h"
#include "host/simulator/plugin_exports.h"

// Exit codes of the randomised host.
enum ChaosExit {
    kChaosPass = 0,
    kChaosFail = 1,  // a check failed: the first failure is printed
    kChaosUsage = 2,
    kChaosHang = 3,  // a call, an unload or a wait of the host went on past every bound
    // The run met what the module cannot help and could not go on: the host's
    // own look-up of its object waits for good after an unload had to stop a
    // window thread inside its look-up (Wine's running-object table keeps the
    // lock that the stopped thread held).
    kChaosLimit = 4,
    // 5: the process crashed (host/simulator/module_watch.h)
    kChaosExitMode = 77,  // the ExitProcess that a run in exit mode makes
};

// How long the host lets each call take.
constexpr DWORD kCallBoundMs = 2000;
constexpr DWORD kResetBoundMs = 4000;
constexpr DWORD kUnloadBoundMs = 6000;
// Past this, whatever the host waits for counts as hung; an event of the
// table, which may wait for several calls and the host's object, past the other.
constexpr DWORD kHangMs = 20000;
constexpr DWORD kEventHangMs = 60000;

// The host's threads by number: the main thread (which loads and unloads),
// the extra host threads, the operator.
constexpr int kMainThread = 0;
constexpr int kMostHostThreads = 4;
constexpr int kOperatorThread = kMostHostThreads;
constexpr int kWatchedThreads = kOperatorThread + 1;

// What every thread of the randomised host shares: the model of what the
// module holds, the module's exports while it is loaded, the calls under way
// (for the hang watch), the figures and the first failure.
class ChaosRun {
public:
    ChaosRun();
    ~ChaosRun();
    ChaosRun(const ChaosRun&) = delete;
    ChaosRun& operator=(const ChaosRun&) = delete;

    // The model and whether the last reset opened a report pass. Store calls
    // hold the lock shared, with the model's change; resets, summaries and
    // the main thread's call checks hold it alone, so that the model and the
    // module's store see the same order of changes.
    ContestModel model;
    bool reportMode = false;
    std::shared_mutex modelLock;
    std::mutex modelEdit;  // the model's change itself, by threads that hold the lock shared
    // Takes the model's lock, alone or shared; the main thread handles its
    // messages while it waits, as a host's main thread keeps its loop going.
    std::unique_lock<std::shared_mutex> PassAlone(int thread);
    std::shared_lock<std::shared_mutex> PassShared(int thread);
    // The module was loaded anew: it holds no QSO, and no pass is open.
    void NewLoad();

    // The loaded module's exports; null while none is loaded.
    const PluginExports* Exports() const { return m_Exports.load(); }
    void SetExports(const PluginExports* exports) { m_Exports = exports; }

    // Runs a call of the host's thread `thread`, timed and watched: one that
    // takes longer than its bound fails the run; one that never comes back
    // is reported as a hang by the watch. The time that the host's own object
    // spent serving calls on this thread meanwhile (the module handles the
    // thread's messages while it waits) is the host's, not the call's.
    template <typename Call>
    auto Timed(int thread, const char* name, DWORD boundMs, Call call) {
        Begin(thread, name);
        const DWORD start = GetTickCount();
        const DWORD served = HostServingMs();
        auto result = call();
        End(thread, name, GetTickCount() - start - (HostServingMs() - served), boundMs);
        return result;
    }
    // How long the host's object has held calls on the calling thread, in all.
    static DWORD& HostServingMs();
    // A wait of the host itself (not a call of the module) under the hang watch.
    void Begin(int thread, const char* name);
    void End(int thread, const char* name, DWORD tookMs, DWORD boundMs);
    // An event of the table under way on a thread, under a watch of its own
    // (kEventHangMs): whatever in it hangs, the hang names the event.
    void BeginEvent(int thread, const char* name);
    void EndEvent(int thread);

    // Notes the first failure (printed at once); later ones are only printed.
    void Fail(const std::string& message);
    bool Failed() const { return m_Failed; }
    // Notes that the run met the limit of kChaosLimit: it ends, as after a
    // failure, but the module failed no check.
    void Limit(const std::string& message);
    bool Limited() const { return m_Limited; }
    // The run ends: a check failed or the run met its limit.
    bool Ended() const { return m_Failed || m_Limited; }
    const std::string& Failure() const { return m_Failure; }
    // One line of the run's log, with the time since its start.
    void Log(const std::string& line);
    DWORD Elapsed() const { return GetTickCount() - m_Start; }

    // The longest call of each export so far.
    std::map<std::string, DWORD> WorstCalls();
    void CountEvent(const char* name);
    std::map<std::string, int> EventCounts();

private:
    struct Slot {
        std::atomic<const char*> name{nullptr};
        std::atomic<DWORD> since{0};
        std::atomic<DWORD> thread{0};
    };
    void Watch();
    // Every call and event under way, for the hang's report.
    std::string UnderWay();

    DWORD m_Start = GetTickCount();
    std::atomic<const PluginExports*> m_Exports{nullptr};
    std::atomic<bool> m_Failed{false};
    std::atomic<bool> m_Limited{false};
    std::string m_Failure;
    std::mutex m_Lock;  // the log, the failure and the figures
    std::map<std::string, DWORD> m_Worst;
    std::map<std::string, int> m_Events;
    Slot m_Slots[kWatchedThreads];
    Slot m_EventSlots[kWatchedThreads];
    HANDLE m_StopWatch = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread m_Watcher;
};
