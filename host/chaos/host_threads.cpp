#include "host/chaos/host_threads.h"

#include <objbase.h>

#include "host/simulator/desktop_driver.h"

HostThreads::~HostThreads() {
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Stopping = true;
    }
    m_Changed.notify_all();
    for (std::thread& thread : m_Threads) {
        thread.join();
    }
}

void HostThreads::Start(int thread, Apartment apartment) {
    std::unique_lock<std::mutex> lock(m_Lock);
    m_Threads.emplace_back([this, thread, apartment] { Run(thread, apartment); });
    m_Changed.wait(lock, [&] { return m_Ids.size() == m_Threads.size(); });
}

void HostThreads::Resume() {
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Running = true;
    }
    m_Changed.notify_all();
}

void HostThreads::Pause() {
    std::unique_lock<std::mutex> lock(m_Lock);
    m_Running = false;
    // The calling thread handles its messages meanwhile: a step may wait for it.
    while (m_Stepping != 0) {
        lock.unlock();
        PumpMessagesFor(5);
        lock.lock();
    }
}

bool HostThreads::OnHostThread(DWORD id) const {
    std::lock_guard<std::mutex> lock(m_Lock);
    for (DWORD known : m_Ids) {
        if (known == id) {
            return true;
        }
    }
    return false;
}

void HostThreads::Run(int thread, Apartment apartment) {
    if (apartment != kNoCom) {
        CoInitializeEx(
            nullptr, apartment == kMultithreaded ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED);
    }
    std::unique_lock<std::mutex> lock(m_Lock);
    m_Ids.push_back(GetCurrentThreadId());
    m_Changed.notify_all();
    for (;;) {
        m_Changed.wait(lock, [&] { return m_Running || m_Stopping; });
        if (m_Stopping) {
            break;
        }
        ++m_Stepping;
        lock.unlock();
        m_Step(thread);
        lock.lock();
        --m_Stepping;
        m_Changed.notify_all();
    }
    lock.unlock();
    if (apartment != kNoCom) {
        CoUninitialize();
    }
}
