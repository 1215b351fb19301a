// What the randomised host counts of what a module leaves: handles by type
// and thread, private memory, and how deep a thread's stack has reached.
#include "host/chaos/process_census.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ProcessCensus, NewHandlesByTypeAndThread) {
    const HandleCensus before = HandleCensus::Take();
    HANDLE events[] = {CreateEventA(nullptr, TRUE, FALSE, nullptr),
                       CreateEventA(nullptr, FALSE, FALSE, nullptr)};
    HANDLE self = OpenThread(THREAD_QUERY_INFORMATION, FALSE, GetCurrentThreadId());
    const HandleCensus after = HandleCensus::Take();
    const std::map<std::string, int> added = after.NewSince(before);
    EXPECT_EQ("Event 2, Thread 1", DescribeHandles(added));
    EXPECT_EQ(3, TotalHandles(added));
    EXPECT_EQ(std::vector<DWORD>{GetCurrentThreadId()}, after.NewThreadsSince(before));
    EXPECT_EQ("none", DescribeHandles(after.NewSince(after)));
    for (HANDLE handle : {events[0], events[1], self}) {
        CloseHandle(handle);
    }
    EXPECT_EQ("none", DescribeHandles(HandleCensus::Take().NewSince(before)));
}

TEST(ProcessCensus, PrivateMemoryReservedAndCommitted) {
    constexpr SIZE_T kMiB = 1024 * 1024;
    const MemoryCensus before = MemoryCensus::Take();
    void* block = VirtualAlloc(nullptr, kMiB, MEM_RESERVE, PAGE_READWRITE);
    VirtualAlloc(block, 64 * 1024, MEM_COMMIT, PAGE_READWRITE);
    const MemoryCensus after = MemoryCensus::Take();
    VirtualFree(block, 0, MEM_RELEASE);
    EXPECT_EQ(static_cast<int64_t>(kMiB), after.reserved - before.reserved);
    EXPECT_EQ(64 * 1024, after.committed - before.committed);
}

namespace {

// Writes this far down its stack, then waits to be measured.
struct DeepThread {
    std::size_t bytes;
    HANDLE written;
    HANDLE measured;
};

DWORD WINAPI GoDeep(LPVOID param) {
    auto* deep = static_cast<DeepThread*>(param);
    volatile char* depth = static_cast<volatile char*>(_alloca(deep->bytes));
    for (std::size_t i = 0; i < deep->bytes; i += 512) {
        depth[i] = 1;
    }
    SignalObjectAndWait(deep->written, deep->measured, INFINITE, FALSE);
    return depth[0];
}

}  // namespace

TEST(ProcessCensus, HowDeepAThreadsStackHasReached) {
    DeepThread deep{100 * 1024, CreateEventA(nullptr, TRUE, FALSE, nullptr),
                    CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    HANDLE thread = CreateThread(nullptr, 256 * 1024, GoDeep, &deep,
                                 STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    WaitForSingleObject(deep.written, INFINITE);
    const StackUse stack = StackOf(thread);
    SetEvent(deep.measured);
    WaitForSingleObject(thread, INFINITE);
    for (HANDLE handle : {thread, deep.written, deep.measured}) {
        CloseHandle(handle);
    }
    EXPECT_GE(stack.reserve, 256u * 1024) << "Wine reserves at least 1 MiB";
    EXPECT_GE(stack.used, 100u * 1024);
    EXPECT_LT(stack.used, 120u * 1024);
    EXPECT_EQ(0u, StackOf(thread).reserve) << "a thread that has ended has no stack";
}
