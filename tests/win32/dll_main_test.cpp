// What a load and an unload of the module leave in the host's process,
// whatever threads of the host called which export: the static runtime's
// record of the loading thread (one Thread and one Event handle), and nothing
// else. The host's threads live before the load and after the unload, as a
// host's do; three of them calling at once meet in the module's locks.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/common/host_calls.h"
#include "tests/common/module_exports.h"
#include "tests/common/scratch_dir.h"
#include "tests/win32/loaded_module.h"
#include "tests/win32/window_helpers.h"

namespace {

// The static runtime's record of the loading thread, kept for each load.
constexpr int kRuntimeHandlesPerLoad = 2;
constexpr int kMostThreads = 3;

// Wine hands out the lowest free handle value and keeps no count of them
// (GetProcessHandleCount answers 0): a few hundred handles lie far below the
// end of the scan, and each look costs a call to its server.
int OpenHandles() {
    int count = 0;
    for (ULONG_PTR value = 4; value < 0x4000; value += 4) {
        DWORD flags = 0;
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    return count;
}

// The host's other threads: each runs what it is given, all of them at once.
class HostThreads {
public:
    HostThreads() {
        for (int i = 0; i < kMostThreads; ++i) {
            m_Threads.emplace_back([this, i] { Serve(i); });
        }
    }
    ~HostThreads() {
        Run(kMostThreads, nullptr);
        for (std::thread& thread : m_Threads) {
            thread.join();
        }
    }

    // Runs the call on the first `count` threads (a null call ends them) and
    // returns once they have all finished, handling this thread's messages.
    void Run(int count, const std::function<void()>& call) {
        {
            std::lock_guard<std::mutex> lock(m_Lock);
            m_Call = call;
            m_Count = count;
            m_Left = count;
            ++m_Round;
        }
        m_Changed.notify_all();
        EXPECT_TRUE(PumpMessagesUntil(
            [this] {
                std::lock_guard<std::mutex> lock(m_Lock);
                return m_Left == 0;
            },
            30000));
    }

private:
    void Serve(int index) {
        int seen = 0;
        for (;;) {
            std::function<void()> call;
            {
                std::unique_lock<std::mutex> lock(m_Lock);
                // A wake-up that the runtime's condition variable loses under
                // Wine costs one period, not the round.
                while (!m_Changed.wait_for(lock, std::chrono::milliseconds(10),
                                           [&] { return m_Round != seen; })) {
                }
                seen = m_Round;
                if (index >= m_Count) {
                    continue;
                }
                call = m_Call;
            }
            if (call) {
                call();
            }
            std::lock_guard<std::mutex> lock(m_Lock);
            --m_Left;
            if (!call) {
                return;
            }
        }
    }

    std::vector<std::thread> m_Threads;
    std::mutex m_Lock;
    std::condition_variable m_Changed;
    std::function<void()> m_Call;
    int m_Count = 0;
    int m_Left = 0;
    int m_Round = 0;
};

void CallTheSetQueries() {
    Module().GetNumberOfSets();
    Module().GetSetName(0);
    Module().GetExchgCount0("junk", "junk", "junk");
}

void CheckAnExchange() {
    Module().IsValidExchg0("MA", "junk", "K", "junk", 0, 0, 0);
}

void CheckACall() {
    CheckAsHost("K1ABC", "CW", "K", "10m", "10m");
}

// Distinct callsigns for each thread, so that the store grows.
std::string CallOfThisThread(int n) {
    return "K" + std::to_string(n) + "T" + std::to_string(GetCurrentThreadId());
}

void AddStoredQsos() {
    for (int i = 0; i < 20; ++i) {
        AddAsHost(MakeQso(CallOfThisThread(i).c_str(), "CW", "K", "CT"));
    }
}

void AddARefusedQso() {
    AddAsHost(MakeQso("K1ABC", "FM", "K", "CT"));
}

void RemoveAQso() {
    RemoveAsHost(MakeQso("K1ABC", "CW", "K", "CT"));
}

void ResetThePass() {
    ResetAsHost();
}

void GetTheResult() {
    ResultAsHost();
}

// The message box of one thread, closed with OK once it shows.
BOOL CALLBACK CloseBoxOfThread(HWND window, LPARAM thread) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (GetWindowThreadProcessId(window, nullptr) == static_cast<DWORD>(thread) &&
        IsWindowVisible(window) && lstrcmpA(name, "#32770") == 0) {
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    return TRUE;
}

void ShowTheNoSetupBox() {
    std::atomic<bool> shown{true};
    std::thread closer([&shown, caller = GetCurrentThreadId()] {
        while (shown) {
            EnumWindows(CloseBoxOfThread, caller);
            Sleep(20);
        }
    });
    Module().SetupSet0();
    shown = false;
    closer.join();
}

// The threads calling in this round, and how many have come to the meeting.
int g_Callers = 1;
std::atomic<int> g_Arrived{0};

// Scoring passes of a store by every calling thread at once, each pass holding
// the store's lock throughout.
void ScoreTogether() {
    for (int i = 0; i < 100; ++i) {
        AddAsHost(MakeQso(CallOfThisThread(i).c_str(), "SSB", "VE", "ON"));
    }
    ++g_Arrived;
    while (g_Arrived < g_Callers) {
        Sleep(0);
    }
    for (int i = 0; i < 10; ++i) {
        ResultAsHost();
    }
}

struct ExportUse {
    const char* name;
    const char* start;  // the settings' "Start" at load: "0" lets a reset start the windows
    void (*use)();
};

const ExportUse kUses[] = {
    {"GetNumberOfSets, GetSetName, GetExchgCount0", "1", CallTheSetQueries},
    {"IsValidExchg0", "1", CheckAnExchange},
    {"CheckCall0", "1", CheckACall},
    {"AddData0, stored", "1", AddStoredQsos},
    {"AddData0, refused", "1", AddARefusedQso},
    {"RemoveData0", "1", RemoveAQso},
    {"ResetStats0", "1", ResetThePass},
    {"ResetStats0, starting the windows", "0", ResetThePass},
    {"GetResult0", "1", GetTheResult},
    {"SetupSet0", "1", ShowTheNoSetupBox},
    {"GetResult0, by all at once", "1", ScoreTogether},
};

// Who calls: the thread that loads the module, or other host threads.
struct Callers {
    const char* name;
    int threads;  // 0: the loading thread itself
};

const Callers kCallers[] = {{"loading thread", 0}, {"1 host thread", 1}, {"3 host threads", 3}};

// The handles that one load, the use, and the unload leave.
int HandlesLeft(const ExportUse& use, const Callers& callers, HostThreads& threads) {
    WriteFileBytes("Plugins/ARRL-10M_CW_SSB.ini",
                   std::string("[Settings]\r\nStart=") + use.start + "\r\n");
    g_Callers = callers.threads == 0 ? 1 : callers.threads;
    g_Arrived = 0;
    const int before = OpenHandles();
    {
        LoadedModule module;
        if (callers.threads == 0) {
            use.use();
        } else {
            threads.Run(callers.threads, use.use);
        }
        module.Unload();
        module.Threads().StillRunningAfter(5000);
    }
    return OpenHandles() - before;
}

// The fewest handles that a load and its use leave in a few rounds: what the
// system makes once for the process, at the first contention of one of its
// own locks or the first of some window, comes in one round only, while what
// the module leaves comes every time. On a loaded machine three host threads
// resetting at once met a new contention in two rounds running.
int FewestHandlesLeft(const ExportUse& use, const Callers& callers, HostThreads& threads) {
    constexpr int kRounds = 3;
    int fewest = HandlesLeft(use, callers, threads);
    for (int round = 1; round < kRounds; ++round) {
        fewest = std::min(fewest, HandlesLeft(use, callers, threads));
    }
    return fewest;
}

}  // namespace

TEST(HandlesPerLoad, OnlyTheLoadingThreadsRecordWhoeverCalled) {
    ScratchDir dir;
    HostThreads threads;
    // COM, the window system and the threads' own queues set up, at their
    // first use, what they keep for the process or the thread.
    for (const ExportUse& use : kUses) {
        HandlesLeft(use, kCallers[2], threads);
    }
    std::cout << "handles left per load, by export and calling threads:\n";
    for (const ExportUse& use : kUses) {
        std::cout << "  " << use.name << ":";
        for (const Callers& callers : kCallers) {
            SCOPED_TRACE(std::string(use.name) + " from " + callers.name);
            const int left = FewestHandlesLeft(use, callers, threads);
            std::cout << " " << callers.name << " " << left << ";";
            EXPECT_EQ(kRuntimeHandlesPerLoad, left);
        }
        std::cout << "\n";
    }
}
