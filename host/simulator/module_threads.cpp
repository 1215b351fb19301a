#include "host/simulator/module_threads.h"

#include <tlhelp32.h>

#include "host/simulator/desktop_driver.h"

namespace {

// ThreadQuerySetWin32StartAddress: where CreateThread started the thread.
constexpr ULONG kThreadStartAddressClass = 9;
using QueryThread = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

ULONG_PTR StartAddress(HANDLE thread) {
    static const auto query = reinterpret_cast<QueryThread>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
    ULONG_PTR start = 0;
    if (!query || query(thread, kThreadStartAddressClass, &start, sizeof start, nullptr) != 0) {
        return 0;
    }
    return start;
}

struct WindowCount {
    const std::vector<DWORD>* threads;
    int count;
};

BOOL CALLBACK CountThreadWindow(HWND window, LPARAM param) {
    WindowCount* counting = reinterpret_cast<WindowCount*>(param);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    for (DWORD id : *counting->threads) {
        counting->count += id == thread ? 1 : 0;
    }
    return TRUE;
}

}  // namespace

ModuleThreads::~ModuleThreads() {
    CloseHandles();
}

void ModuleThreads::CloseHandles() {
    for (Held& held : m_Threads) {
        if (held.handle) {
            CloseHandle(held.handle);
            held.handle = nullptr;
        }
    }
}

ImageRange ImageOf(HMODULE module) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        reinterpret_cast<const char*>(module) + dos->e_lfanew);
    const auto begin = reinterpret_cast<ULONG_PTR>(module);
    return {begin, begin + nt->OptionalHeader.SizeOfImage};
}

void ModuleThreads::Watch(HMODULE module) {
    m_Image = ImageOf(module);
}

bool ModuleThreads::Holds(DWORD id) const {
    for (const Held& held : m_Threads) {
        if (held.id == id) {
            return true;
        }
    }
    return false;
}

void ModuleThreads::Collect() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId() || Holds(entry.th32ThreadID)) {
            continue;
        }
        HANDLE thread =
            OpenThread(THREAD_QUERY_INFORMATION | SYNCHRONIZE, FALSE, entry.th32ThreadID);
        if (!thread) {
            continue;
        }
        const ULONG_PTR start = StartAddress(thread);
        if (m_Image.Holds(start)) {
            m_Threads.push_back({entry.th32ThreadID, thread});
        } else {
            CloseHandle(thread);
        }
    }
    CloseHandle(snapshot);
}

int ModuleThreads::StillRunningAfter(DWORD timeoutMs) const {
    const auto running = [this] {
        int count = 0;
        for (const Held& held : m_Threads) {
            count += WaitForSingleObject(held.handle, 0) == WAIT_OBJECT_0 ? 0 : 1;
        }
        return count;
    };
    PumpMessagesUntil([&] { return running() == 0; }, timeoutMs);
    return running();
}

std::vector<DWORD> ModuleThreads::ExitCodes() const {
    std::vector<DWORD> codes;
    for (const Held& held : m_Threads) {
        DWORD code = STILL_ACTIVE;
        if (GetExitCodeThread(held.handle, &code) && code != STILL_ACTIVE) {
            codes.push_back(code);
        }
    }
    return codes;
}

std::vector<HANDLE> ModuleThreads::Running() const {
    std::vector<HANDLE> running;
    for (const Held& held : m_Threads) {
        if (WaitForSingleObject(held.handle, 0) != WAIT_OBJECT_0) {
            running.push_back(held.handle);
        }
    }
    return running;
}

int ModuleThreads::WindowsLeft() const {
    std::vector<DWORD> ids;
    for (const Held& held : m_Threads) {
        ids.push_back(held.id);
    }
    WindowCount counting{&ids, 0};
    EnumWindows(CountThreadWindow, reinterpret_cast<LPARAM>(&counting));
    return counting.count;
}
