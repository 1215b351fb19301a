#pragma once

#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The host's extra threads, which call the module besides its main thread.
// Each takes one step after another (a call of an export, drawn by the
// caller's step function) while the module is loaded, handling its messages
// or not between steps, and pauses whenever the main thread unloads the
// module: a host never calls a module that is going away.
class HostThreads {
public:
    // How each thread initialises COM.
    enum Apartment { kNoCom, kSingleThreaded, kMultithreaded };
    using Step = std::function<void(int thread)>;

    explicit HostThreads(Step step) : m_Step(std::move(step)) {}
    ~HostThreads();
    HostThreads(const HostThreads&) = delete;
    HostThreads& operator=(const HostThreads&) = delete;

    // Starts a thread numbered `thread`, paused.
    void Start(int thread, Apartment apartment);
    // Lets the threads step on.
    void Resume();
    // Returns once no thread is inside a step, the threads paused; handles
    // the calling thread's messages meanwhile.
    void Pause();
    bool OnHostThread(DWORD id) const;

private:
    void Run(int thread, Apartment apartment);

    Step m_Step;
    std::vector<std::thread> m_Threads;
    std::vector<DWORD> m_Ids;
    mutable std::mutex m_Lock;
    std::condition_variable m_Changed;
    bool m_Running = false;
    bool m_Stopping = false;
    int m_Stepping = 0;
};
