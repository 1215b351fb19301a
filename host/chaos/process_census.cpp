#include "host/chaos/process_census.h"

#include <winternl.h>

namespace {

using QueryObject = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
using QueryThread = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
constexpr int kObjectTypeInformation = 2;
constexpr int kThreadBasicInformation = 0;
// Where a 32-bit thread's environment block keeps the bottom of its stack's
// reservation.
constexpr std::size_t kDeallocationStackOffset = 0xE0C;

template <typename Function>
Function NtFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

std::string TypeOf(HANDLE handle) {
    static const auto query = NtFunction<QueryObject>("NtQueryObject");
    alignas(8) unsigned char info[512];
    if (!query || query(handle, kObjectTypeInformation, info, sizeof info, nullptr) != 0) {
        return "?";
    }
    const auto* name = reinterpret_cast<const UNICODE_STRING*>(info);
    std::string type;
    for (USHORT i = 0; i < name->Length / 2; ++i) {
        type += static_cast<char>(name->Buffer[i]);
    }
    return type;
}

struct ThreadBasics {
    LONG exitStatus;
    void* teb;
    void* clientId[2];
    ULONG_PTR affinity;
    LONG priority;
    LONG basePriority;
};

// Reads the process's own memory without faulting where it has gone: a
// thread's stack and environment block go with the thread.
bool ReadOwnMemory(ULONG_PTR address, void* out, std::size_t size) {
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(address), out, size,
                             &read) &&
           read == size;
}

// The lowest address of [begin, end) whose word is not zero, reading only
// pages that can be read without disturbing the stack's guard page.
ULONG_PTR LowestWritten(ULONG_PTR begin, ULONG_PTR end) {
    constexpr std::size_t kPage = 4096;
    for (ULONG_PTR at = begin; at < end;) {
        MEMORY_BASIC_INFORMATION region{};
        if (!VirtualQuery(reinterpret_cast<void*>(at), &region, sizeof region)) {
            return end;
        }
        const ULONG_PTR regionEnd =
            reinterpret_cast<ULONG_PTR>(region.BaseAddress) + region.RegionSize;
        const bool readable = region.State == MEM_COMMIT &&
                              !(region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) &&
                              (region.Protect & (PAGE_READWRITE | PAGE_READONLY));
        for (ULONG_PTR page = at; readable && page < regionEnd && page < end; page += kPage) {
            uint32_t words[kPage / 4];
            if (!ReadOwnMemory(page, words, sizeof words)) {
                return end;
            }
            for (std::size_t i = 0; i < kPage / 4; ++i) {
                if (words[i] != 0) {
                    return page + 4 * i;
                }
            }
        }
        at = regionEnd;
    }
    return end;
}

}  // namespace

HandleCensus HandleCensus::Take() {
    HandleCensus census;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            census.m_Types[value] = TypeOf(reinterpret_cast<HANDLE>(value));
        }
    }
    return census;
}

std::map<std::string, int> HandleCensus::NewSince(const HandleCensus& earlier) const {
    std::map<std::string, int> byType;
    for (const auto& [value, type] : m_Types) {
        const auto found = earlier.m_Types.find(value);
        if (found == earlier.m_Types.end() || found->second != type) {
            ++byType[type];
        }
    }
    return byType;
}

std::vector<DWORD> HandleCensus::NewThreadsSince(const HandleCensus& earlier) const {
    std::vector<DWORD> threads;
    for (const auto& [value, type] : m_Types) {
        if (type == "Thread" && !earlier.m_Types.count(value)) {
            threads.push_back(GetThreadId(reinterpret_cast<HANDLE>(value)));
        }
    }
    return threads;
}

std::string DescribeHandles(const std::map<std::string, int>& byType) {
    std::string text;
    for (const auto& [type, count] : byType) {
        text += (text.empty() ? "" : ", ") + type + " " + std::to_string(count);
    }
    return text.empty() ? "none" : text;
}

int TotalHandles(const std::map<std::string, int>& byType) {
    int total = 0;
    for (const auto& entry : byType) {
        total += entry.second;
    }
    return total;
}

MemoryCensus MemoryCensus::Take() {
    MemoryCensus census;
    ULONG_PTR at = 0x10000;
    MEMORY_BASIC_INFORMATION region{};
    while (VirtualQuery(reinterpret_cast<void*>(at), &region, sizeof region)) {
        if (region.Type == MEM_PRIVATE && region.State != MEM_FREE) {
            census.reserved += static_cast<int64_t>(region.RegionSize);
            census.committed += region.State == MEM_COMMIT ? region.RegionSize : 0;
        }
        const ULONG_PTR next = reinterpret_cast<ULONG_PTR>(region.BaseAddress) + region.RegionSize;
        if (next <= at) {
            break;
        }
        at = next;
    }
    return census;
}

StackUse StackOf(HANDLE thread) {
    static const auto query = NtFunction<QueryThread>("NtQueryInformationThread");
    ThreadBasics basics{};
    if (!query || query(thread, kThreadBasicInformation, &basics, sizeof basics, nullptr) != 0 ||
        !basics.teb) {
        return {};
    }
    const auto teb = reinterpret_cast<ULONG_PTR>(basics.teb);
    NT_TIB tib{};
    ULONG_PTR bottom = 0;
    if (!ReadOwnMemory(teb, &tib, sizeof tib) ||
        !ReadOwnMemory(teb + kDeallocationStackOffset, &bottom, sizeof bottom)) {
        return {};
    }
    const auto base = reinterpret_cast<ULONG_PTR>(tib.StackBase);
    if (base <= bottom) {
        return {};
    }
    return {static_cast<uint32_t>(base - bottom),
            static_cast<uint32_t>(base - LowestWritten(bottom, base))};
}
