// The randomised host's extra threads step only while they are let, and the
// main thread's pause returns once none is inside a step.
#include "host/chaos/host_threads.h"

#include <gtest/gtest.h>

#include <atomic>

TEST(HostThreads, StepWhileLetAndPauseBetweenSteps) {
    std::atomic<int> steps{0};
    std::atomic<int> inside{0};
    HostThreads threads([&](int) {
        ++inside;
        Sleep(5);
        ++steps;
        --inside;
    });
    threads.Start(1, HostThreads::kNoCom);
    threads.Start(2, HostThreads::kSingleThreaded);
    Sleep(50);
    EXPECT_EQ(0, steps.load()) << "started paused";
    threads.Resume();
    while (steps < 20) {
        Sleep(1);
    }
    threads.Pause();
    EXPECT_EQ(0, inside.load()) << "a step is under way after the pause";
    const int paused = steps;
    Sleep(50);
    EXPECT_EQ(paused, steps.load()) << "a paused thread stepped on";
    EXPECT_FALSE(threads.OnHostThread(GetCurrentThreadId()));
}
