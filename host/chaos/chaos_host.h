#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "host/chaos/chaos_random.h"
#include "host/chaos/chaos_run.h"
#include "host/chaos/desk_operator.h"
#include "host/chaos/host_objects.h"
#include "host/chaos/host_threads.h"
#include "host/chaos/module_calls.h"
#include "host/chaos/module_cycle.h"

struct ChaosOptions {
    uint64_t seed = 1;
    DWORD seconds = 30;
    std::string modulePath = "Plugins\\ARRL-10M_CW_SSB.dll";
    bool keepGoing = false;  // on after a failed check, for the figures
    bool trace = false;      // every event drawn, on the log
};

// Whether a seed's run ends with an ExitProcess at a moment it draws: one
// seed in five.
bool IsExitSeed(uint64_t seed);

// The randomised host: its main thread, its extra threads and the operator
// each draw event after event from one table of events with weights, from
// generators forked from the seed, until the run's time is up; then the
// module is unloaded a last time, checked, and one line of figures printed.
// Call Run on the thread that initialised COM as the host's main apartment.
class ChaosHost {
public:
    explicit ChaosHost(const ChaosOptions& options);
    ~ChaosHost();
    ChaosHost(const ChaosHost&) = delete;
    ChaosHost& operator=(const ChaosHost&) = delete;

    int Run();

    // Who may draw an event of the table.
    enum Role : unsigned { kByMain = 1, kByHostThreads = 2, kByOperator = 4 };
    // One event of the table: a call of the drawing thread's exports, an act
    // of the operator, or another deed of the host's.
    struct Event {
        const char* name;
        unsigned weight;
        unsigned roles;
        void (ModuleCalls::*call)() = nullptr;
        void (DeskOperator::*act)(ChaosRandom& random) = nullptr;
        void (ChaosHost::*run)(int thread, ChaosRandom& random) = nullptr;
    };

private:
    // Every event of the randomised host, with its weight and who draws it.
    static const Event kEvents[];

    void Draw(unsigned role, int thread, ChaosRandom& random);
    void WarmUp();
    void StartOperator();
    void StartExit();
    void PrintFigures();

    // The table's events besides the calls and the operator's acts.
    void Reset(int thread, ChaosRandom&);
    void Pump(int thread, ChaosRandom& random);
    void Starve(int thread, ChaosRandom& random);
    void Reload(int thread, ChaosRandom& random);
    void Withdraw(int thread, ChaosRandom& random);
    void Slow(int thread, ChaosRandom& random);
    void Block(int thread, ChaosRandom& random);
    void Answer(int thread, ChaosRandom& random);
    void Fail(int thread, ChaosRandom& random);
    void Odd(int thread, ChaosRandom& random);
    void Busy(int thread, ChaosRandom& random);
    void TypeCall(int thread, ChaosRandom& random);
    void Wait(int thread, ChaosRandom& random);

    ChaosOptions m_Options;
    ChaosRandom m_Random;
    ChaosRun m_Run;
    HostObjects m_Objects;
    ModuleCycle m_Cycle;
    std::unique_ptr<ModuleCalls> m_Calls[kMostHostThreads];
    std::unique_ptr<ChaosRandom> m_ThreadRandom[kMostHostThreads];  // their draws of events
    int m_ExtraThreads = 0;
    DWORD m_MainThreadId = GetCurrentThreadId();
    HostThreads m_HostThreads;
    DeskOperator m_Operator;
    std::atomic<bool> m_Ending{false};
    bool m_Unloaded = false;  // the module could not be loaded again
    std::thread m_OperatorThread;
    std::thread m_ExitThread;
};
