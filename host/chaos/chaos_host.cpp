#include "host/chaos/chaos_host.h"

#include <cstdio>
#include <vector>

#include "host/chaos/settings_damage.h"
#include "host/simulator/desktop_driver.h"

namespace {

constexpr uint64_t kOperatorStream = 100;
constexpr uint64_t kObjectStream = 101;
constexpr uint64_t kExitStream = 102;

const char* const kOperations[] = {"GetField", "GetFrequency", "GetMode", "RunMacro"};

}  // namespace

using H = ChaosHost;
using M = ModuleCalls;
using O = DeskOperator;
constexpr unsigned kHostCalls = H::kByMain | H::kByHostThreads;

const ChaosHost::Event ChaosHost::kEvents[] = {
    // The module's exports, from the main thread and the extra host threads.
    {"AddData0", 30, kHostCalls, &M::AddQso},
    {"RemoveData0", 8, kHostCalls, &M::RemoveQso},
    {"CheckCall0", 20, kHostCalls, &M::CheckCall},
    {"IsValidExchg0", 6, kHostCalls, &M::CheckExchange},
    {"GetResult0", 4, kHostCalls, &M::GetResult},
    {"ResetStats0", 3, kHostCalls, nullptr, nullptr, &H::Reset},
    {"ResetStats0 for a report", 1, kHostCalls, &M::ResetForReport},
    {"SetupSet0", 1, kHostCalls, &M::SetupSet},
    {"the rule sets", 2, kHostCalls, &M::SetQueries},
    // The host's loop between calls.
    {"handle messages", 10, kHostCalls, nullptr, nullptr, &H::Pump},
    {"handle no messages", 4, kHostCalls, nullptr, nullptr, &H::Starve},
    // The main thread: unloads and loads, and the host's object.
    {"FreeLibrary, then load", 2, H::kByMain, nullptr, nullptr, &H::Reload},
    {"object withdrawn", 1, H::kByMain, nullptr, nullptr, &H::Withdraw},
    {"object slow", 2, H::kByMain, nullptr, nullptr, &H::Slow},
    {"object blocks", 1, H::kByMain, nullptr, nullptr, &H::Block},
    {"object answers again", 3, H::kByMain, nullptr, nullptr, &H::Answer},
    {"object fails", 1, H::kByMain, nullptr, nullptr, &H::Fail},
    {"object answers oddly", 1, H::kByMain, nullptr, nullptr, &H::Odd},
    {"object's apartment busy", 1, H::kByMain, nullptr, nullptr, &H::Busy},
    {"callsign typed", 3, H::kByMain, nullptr, nullptr, &H::TypeCall},
    // The operator at the module's windows.
    {"click", 6, H::kByOperator, nullptr, &O::Click},
    {"close", 2, H::kByOperator, nullptr, &O::Close},
    {"move", 2, H::kByOperator, nullptr, &O::Move},
    {"key", 2, H::kByOperator, nullptr, &O::Key},
    {"text", 1, H::kByOperator, nullptr, &O::Type},
    {"pointer", 2, H::kByOperator, nullptr, &O::Point},
    {"operator waits", 10, H::kByOperator, nullptr, nullptr, &H::Wait},
};

bool IsExitSeed(uint64_t seed) {
    return seed % 5 == 0;
}

ChaosHost::ChaosHost(const ChaosOptions& options)
    : m_Options(options),
      m_Random(options.seed),
      m_Objects(m_Random.Fork(kObjectStream)),
      m_Cycle(m_Run, m_Objects, options.modulePath,
              [this](DWORD id) {
                  return id == m_MainThreadId             ? std::string("main")
                         : m_HostThreads.OnHostThread(id) ? std::string("a host thread")
                                                          : "thread " + std::to_string(id);
              }),
      m_HostThreads([this](int thread) {
          ChaosRandom& random = *m_ThreadRandom[thread];
          Draw(kByHostThreads, thread, random);
      }),
      m_Operator(m_Run, [this](DWORD id) {
          return id == m_MainThreadId || m_HostThreads.OnHostThread(id);
      }) {
    for (int thread = 0; thread < kMostHostThreads; ++thread) {
        m_Calls[thread] = std::make_unique<ModuleCalls>(m_Run, thread, m_Random.Fork(thread));
        m_ThreadRandom[thread] = std::make_unique<ChaosRandom>(m_Random.Fork(thread + 50));
    }
}

ChaosHost::~ChaosHost() {
    m_Ending = true;
    if (m_OperatorThread.joinable()) {
        m_OperatorThread.join();
    }
    if (m_ExitThread.joinable()) {
        m_ExitThread.detach();
    }
}

void ChaosHost::Draw(unsigned role, int thread, ChaosRandom& random) {
    std::vector<unsigned> weights;
    for (const Event& event : kEvents) {
        weights.push_back(event.roles & role ? event.weight : 0);
    }
    const Event& event = kEvents[random.Weighted(weights)];
    m_Run.CountEvent(event.name);
    if (m_Options.trace) {
        m_Run.Log("thread " + std::to_string(thread) + ": " + event.name);
    }
    m_Run.BeginEvent(thread, event.name);
    if (event.call) {
        (m_Calls[thread].get()->*event.call)();
    } else if (event.act) {
        (m_Operator.*event.act)(random);
    } else {
        (this->*event.run)(thread, random);
    }
    m_Run.EndEvent(thread);
}

int ChaosHost::Run() {
    m_MainThreadId = GetCurrentThreadId();
    const bool exitMode = IsExitSeed(m_Options.seed);
    m_ExtraThreads = static_cast<int>(m_Random.Below(kMostHostThreads));
    std::string kinds;
    for (int thread = 1; thread <= m_ExtraThreads; ++thread) {
        const auto apartment = static_cast<HostThreads::Apartment>(m_Random.Below(3));
        const char* const names[] = {"no COM", "STA", "MTA"};
        kinds += std::string(kinds.empty() ? "" : ", ") + names[apartment];
        m_HostThreads.Start(thread, apartment);
    }
    StartOperator();
    WarmUp();
    const auto place = static_cast<HostObjects::Place>(m_Random.Below(4));
    m_Objects.PublishIn(place);
    m_Run.Log("seed " + std::to_string(m_Options.seed) + (exitMode ? ", exit mode" : "") + ", " +
              std::to_string(m_ExtraThreads) + " extra host threads (" + kinds +
              "), the host's object: " + HostObjects::Name(place));
    if (exitMode) {
        StartExit();
    }
    if (m_Cycle.Load()) {
        m_HostThreads.Resume();
        // In exit mode the run goes on until the exit comes.
        while ((m_Options.keepGoing ? !m_Run.Limited() : !m_Run.Ended()) && !m_Unloaded &&
               (exitMode || m_Run.Elapsed() < m_Options.seconds * 1000)) {
            Draw(kByMain, kMainThread, m_Random);
        }
        m_HostThreads.Pause();
        if (m_Cycle.Loaded()) {
            m_Cycle.Unload();
        }
    }
    m_Ending = true;
    m_OperatorThread.join();
    PrintFigures();
    const int result = m_Run.Failed() ? kChaosFail : m_Run.Limited() ? kChaosLimit : kChaosPass;
    if (exitMode && result != kChaosPass) {
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));  // before the exit comes
    }
    return result;
}

// Before anything is counted: the module's windows with a refresh once with
// the host's object in each of its places, and its message boxes, header
// dialog and Cabrillo log once, which the operator answers.
void ChaosHost::WarmUp() {
    ModuleCalls& calls = *m_Calls[kMainThread];
    for (const HostObjects::Place place :
         {HostObjects::kMainThread, HostObjects::kOwnApartment, HostObjects::kMultithreaded}) {
        m_Objects.PublishIn(place);
        WritePrivateProfileStringA("Settings", "Start", "0", "Plugins\\ARRL-10M_CW_SSB.ini");
        m_Cycle.WarmUp([&] {
            calls.Reset();
            PumpMessagesFor(400);
            calls.CheckCall();
            PumpMessagesFor(600);
            if (place == HostObjects::kMultithreaded) {
                calls.SetupSet();
                calls.ResetForReport();
                calls.AddQso();
                calls.GetResult();
            }
        });
    }
    m_Run.NewLoad();
}

void ChaosHost::StartOperator() {
    m_OperatorThread = std::thread([this, random = m_Random.Fork(kOperatorStream)]() mutable {
        while (!m_Ending) {
            m_Operator.AnswerDialogs(random);
            Draw(kByOperator, kOperatorThread, random);
        }
    });
}

// At a moment drawn from the seed, the process ends: wherever the host and
// the module are, it must end at once with the host's own exit code.
void ChaosHost::StartExit() {
    ChaosRandom random = m_Random.Fork(kExitStream);
    const DWORD at = m_Run.Elapsed() + random.Between(200, m_Options.seconds * 1000);
    m_ExitThread = std::thread([this, at] {
        while (m_Run.Elapsed() < at) {
            Sleep(10);
        }
        m_Run.Log("ExitProcess");
        ExitProcess(kChaosExitMode);
    });
}

void ChaosHost::PrintFigures() {
    const ModuleCycle::Figures& f = m_Cycle.Totals();
    std::string worstCall = "none:0";
    DWORD worstMs = 0;
    for (const auto& [name, ms] : m_Run.WorstCalls()) {
        if (name != "FreeLibrary" && ms >= worstMs) {
            worstMs = ms;
            worstCall = name + ":" + std::to_string(ms);
        }
    }
    int events = 0;
    for (const auto& entry : m_Run.EventCounts()) {
        events += entry.second;
    }
    const int cleanUnloads = f.unloads - f.stopped;
    std::printf(
        "RESULT result=%s seed=%llu seconds=%lu threads=%d events=%d loads=%d unloads=%d "
        "stopped=%d worst_unload_ms=%lu worst_call=%s clean_handles=%d/%d stack_reserve_kib=%u "
        "stack_used_kib=%u\n",
        m_Run.Failed()    ? "fail"
        : m_Run.Limited() ? "limit"
                          : "pass",
        static_cast<unsigned long long>(m_Options.seed),
        static_cast<unsigned long>(m_Options.seconds), m_ExtraThreads, events, f.loads, f.unloads,
        f.stopped, static_cast<unsigned long>(f.worstUnloadMs), worstCall.c_str(), f.cleanHandles,
        cleanUnloads, f.deepestStack.reserve / 1024, f.deepestStack.used / 1024);
    if (m_Run.Failed()) {
        std::printf("FAILURE %s\n", m_Run.Failure().c_str());
    }
    std::fflush(stdout);
}

void ChaosHost::Reset(int thread, ChaosRandom&) {
    m_Calls[thread]->Reset();
    if (thread == kMainThread) {
        m_Cycle.Collect();
    }
}

void ChaosHost::Pump(int thread, ChaosRandom& random) {
    PumpMessagesFor(random.Below(thread == kMainThread ? 300 : 100));
}

void ChaosHost::Starve(int thread, ChaosRandom& random) {
    Sleep(random.Below(thread == kMainThread ? 1500 : 300));
}

void ChaosHost::Reload(int, ChaosRandom& random) {
    m_HostThreads.Pause();
    m_Cycle.Unload();
    if (m_Run.Limited()) {
        m_Unloaded = true;  // the object can be neither published nor looked up again
        return;
    }
    if (random.Percent(40)) {
        DamageSettings(random, m_Run);
    }
    // Published again, perhaps elsewhere: between loads, so that what COM
    // sets up for a new place is not counted as the module's.
    if (random.Percent(50)) {
        const auto place = static_cast<HostObjects::Place>(random.Below(4));
        m_Objects.PublishIn(place);
        m_Run.Log(std::string("the host's object: ") + HostObjects::Name(place));
    }
    m_Unloaded = !m_Cycle.Load();
    if (!m_Unloaded) {
        m_Run.NewLoad();
        m_HostThreads.Resume();
    }
}

// Revoked while the module may hold a link to it: every link is cut. Not
// while a thread looks the object up: Wine's running-object table keeps its
// lock while the lookup waits for the object's apartment, this thread, which
// then waits for that lock for good; any client of the object's would bring
// that about, not the module alone.
void ChaosHost::Withdraw(int, ChaosRandom&) {
    m_HostThreads.Pause();  // no reset starts a window thread meanwhile
    if (m_Cycle.WindowThreadBetweenDialogs()) {
        m_Run.Log("the host's object stays: a window thread may be looking it up");
    } else {
        m_Objects.PublishIn(HostObjects::kNone);
        m_Run.Log("the host's object withdrawn");
    }
    m_HostThreads.Resume();
}

void ChaosHost::Slow(int, ChaosRandom& random) {
    m_Objects.Hold(random.PickFrom(kOperations), random.Between(20, 800));
}

void ChaosHost::Block(int, ChaosRandom& random) {
    m_Objects.Hold(random.PickFrom(kOperations), random.Between(3000, 10000));
}

void ChaosHost::Answer(int, ChaosRandom&) {
    m_Objects.Release();
    m_Objects.SetOdd(false);
}

void ChaosHost::Fail(int, ChaosRandom&) {
    m_Objects.SetFailing(true);
}

void ChaosHost::Odd(int, ChaosRandom&) {
    m_Objects.SetOdd(true);
}

void ChaosHost::Busy(int, ChaosRandom& random) {
    m_Objects.BusyFor(random.Between(100, 8000));
}

void ChaosHost::TypeCall(int, ChaosRandom& random) {
    const char* const calls[] = {"K1AA", "W2BB", "VE3CA", "DL2DA", "", "G4EB/MM"};
    m_Objects.SetField(
        5, random.Percent(85) ? random.PickFrom(calls) : QsoMaker::OddText(random).Read());
    const double frequencies[] = {28400000.0, 28020000.0, 14020000.0, 0.0, -1.0, 1e300};
    m_Objects.SetFrequency(random.PickFrom(frequencies));
    const char* const modes[] = {"CW", "SSB", "FM", ""};
    m_Objects.SetMode(random.PickFrom(modes));
}

void ChaosHost::Wait(int, ChaosRandom& random) {
    Sleep(random.Between(10, 150));
}
