#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What the process holds, counted as a careful host counts what a module
// left behind: its kernel handles by type, its private memory, and how deep a
// thread's stack has reached.

// Every open handle of the process with its object's type ("Event", "Thread"...).
class HandleCensus {
public:
    static HandleCensus Take();

    // The handles this census holds that an earlier one did not, by type.
    std::map<std::string, int> NewSince(const HandleCensus& earlier) const;
    // The threads that the new Thread handles stand for.
    std::vector<DWORD> NewThreadsSince(const HandleCensus& earlier) const;
    std::size_t Count() const { return m_Types.size(); }

private:
    std::map<ULONG_PTR, std::string> m_Types;
};

// "Event 1, Thread 1"; "none" when empty.
std::string DescribeHandles(const std::map<std::string, int>& byType);
int TotalHandles(const std::map<std::string, int>& byType);

// The process's private memory: address space reserved (committed included)
// and committed.
struct MemoryCensus {
    int64_t reserved = 0;
    int64_t committed = 0;
    static MemoryCensus Take();
};

// A thread's stack: how much address space it reserves, and the deepest that
// it has used so far (the lowest word that is no longer zero).
struct StackUse {
    uint32_t reserve = 0;
    uint32_t used = 0;
};
StackUse StackOf(HANDLE thread);
