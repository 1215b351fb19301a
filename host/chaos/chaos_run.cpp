#include "host/chaos/chaos_run.h"

#include <cstdio>
#include <cstring>

#include "host/chaos/desk_operator.h"
#include "host/simulator/desktop_driver.h"

namespace {

template <typename Lock>
Lock Pass(std::shared_mutex& mutex, int thread) {
    Lock lock(mutex, std::defer_lock);
    if (thread != kMainThread) {
        lock.lock();
        return lock;
    }
    while (!lock.try_lock()) {
        PumpMessagesFor(1);
    }
    return lock;
}

}  // namespace

std::unique_lock<std::shared_mutex> ChaosRun::PassAlone(int thread) {
    return Pass<std::unique_lock<std::shared_mutex>>(modelLock, thread);
}

std::shared_lock<std::shared_mutex> ChaosRun::PassShared(int thread) {
    return Pass<std::shared_lock<std::shared_mutex>>(modelLock, thread);
}

ChaosRun::ChaosRun() : m_Watcher([this] { Watch(); }) {}

ChaosRun::~ChaosRun() {
    SetEvent(m_StopWatch);
    m_Watcher.join();
    CloseHandle(m_StopWatch);
}

DWORD& ChaosRun::HostServingMs() {
    thread_local DWORD served = 0;
    return served;
}

void ChaosRun::NewLoad() {
    const auto pass = PassAlone(kMainThread);
    model.Reset();
    reportMode = false;
}

void ChaosRun::Begin(int thread, const char* name) {
    m_Slots[thread].thread = GetCurrentThreadId();
    m_Slots[thread].since = GetTickCount();
    m_Slots[thread].name = name;
}

void ChaosRun::BeginEvent(int thread, const char* name) {
    m_EventSlots[thread].thread = GetCurrentThreadId();
    m_EventSlots[thread].since = GetTickCount();
    m_EventSlots[thread].name = name;
}

void ChaosRun::EndEvent(int thread) {
    m_EventSlots[thread].name = nullptr;
}

void ChaosRun::End(int thread, const char* name, DWORD tookMs, DWORD boundMs) {
    m_Slots[thread].name = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        DWORD& worst = m_Worst[name];
        worst = tookMs > worst ? tookMs : worst;
    }
    if (tookMs > boundMs) {
        Fail(std::string(name) + " took " + std::to_string(tookMs) + " ms on host thread " +
             std::to_string(thread) + ", past its bound of " + std::to_string(boundMs) + " ms");
    }
}

void ChaosRun::Fail(const std::string& message) {
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        if (!m_Failed) {
            m_Failure = message;
        }
        m_Failed = true;
    }
    Log("FAIL: " + message);
}

void ChaosRun::Limit(const std::string& message) {
    m_Limited = true;
    Log("LIMIT: " + message);
}

void ChaosRun::Log(const std::string& line) {
    std::lock_guard<std::mutex> lock(m_Lock);
    std::printf("%7.3f %s\n", Elapsed() / 1000.0, line.c_str());
    std::fflush(stdout);
}

std::map<std::string, DWORD> ChaosRun::WorstCalls() {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Worst;
}

void ChaosRun::CountEvent(const char* name) {
    std::lock_guard<std::mutex> lock(m_Lock);
    ++m_Events[name];
}

std::map<std::string, int> ChaosRun::EventCounts() {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Events;
}

namespace {

// The process's top-level windows, for a hang's report: class, thread,
// visible or not, title (read without a message to the window).
BOOL CALLBACK DescribeWindow(HWND window, LPARAM param) {
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) {
        return TRUE;
    }
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    wchar_t title[80] = L"";
    InternalGetWindowText(window, title, 80);
    std::string narrow;
    for (const wchar_t* c = title; *c; ++c) {
        narrow += static_cast<char>(*c < 128 ? *c : '?');
    }
    *reinterpret_cast<std::string*>(param) +=
        std::string("; window ") + name + " of thread " + std::to_string(thread) +
        (IsWindowVisible(window) ? " shown" : " hidden") + " \"" + narrow + "\"";
    return TRUE;
}

// A module's name and the offset in it of a code address, or empty.
std::string CodePlace(DWORD_PTR address) {
    constexpr DWORD_PTR kLowestCode = 0x10000;
    HMODULE module = nullptr;
    if (address < kLowestCode) {
        return std::string();
    }
    char path[MAX_PATH] = "";
    if (!GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCSTR>(address), &module) ||
        !GetModuleFileNameA(module, path, sizeof path)) {
        return std::string();
    }
    const char* name = std::strrchr(path, '\\');
    char offset[16];
    std::snprintf(offset, sizeof offset, "+0x%lx",
                  static_cast<unsigned long>(address - reinterpret_cast<DWORD_PTR>(module)));
    return std::string(name ? name + 1 : path) + offset;
}

// Where a hung thread is: the code it runs and the return addresses on its
// stack that point into a module (a rough trace, enough to tell the module,
// COM, the window system or the host apart).
std::string WhereIs(DWORD id) {
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, id);
    if (!thread || id == GetCurrentThreadId()) {
        return " (not found)";
    }
    std::string where;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    if (SuspendThread(thread) != static_cast<DWORD>(-1)) {
        if (GetThreadContext(thread, &context)) {
            where = " at " + CodePlace(context.Eip);
            DWORD_PTR words[256] = {};
            SIZE_T read = 0;
            ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<void*>(context.Esp), words,
                              sizeof words, &read);
            int found = 0;
            for (SIZE_T i = 0; i < read / sizeof words[0] && found < 12; ++i) {
                const std::string place = CodePlace(words[i]);
                if (!place.empty()) {
                    where += " < " + place;
                    ++found;
                }
            }
        }
        ResumeThread(thread);
    }
    CloseHandle(thread);
    return where;
}

}  // namespace

std::string ChaosRun::UnderWay() {
    std::string text;
    EnumWindows(DescribeWindow, reinterpret_cast<LPARAM>(&text));
    for (int thread = 0; thread < kWatchedThreads; ++thread) {
        for (const Slot* slot : {&m_EventSlots[thread], &m_Slots[thread]}) {
            if (const char* name = slot->name) {
                text += "; thread " + std::to_string(thread) + ": " + name + " for " +
                        std::to_string((GetTickCount() - slot->since) / 1000) + " s" +
                        (slot == &m_Slots[thread] || !m_Slots[thread].name ? WhereIs(slot->thread)
                                                                           : "");
            }
        }
    }
    return text;
}

// Ends the process when any watched call, wait or event goes on past its
// limit: the run has hung, and saying where is worth more than waiting for
// the runner's hard limit.
void ChaosRun::Watch() {
    while (WaitForSingleObject(m_StopWatch, 200) == WAIT_TIMEOUT) {
        for (int thread = 0; thread < kWatchedThreads; ++thread) {
            const char* call = m_Slots[thread].name;
            const char* event = m_EventSlots[thread].name;
            const DWORD now = GetTickCount();
            const char* hung = call && now - m_Slots[thread].since > kHangMs              ? call
                               : event && now - m_EventSlots[thread].since > kEventHangMs ? event
                                                                                          : nullptr;
            if (hung) {
                Log("HANG: " + std::string(hung) + " on host thread " + std::to_string(thread) +
                    " has not come back" + UnderWay());
                std::fflush(stdout);
                TerminateProcess(GetCurrentProcess(), kChaosHang);
            }
        }
    }
}
