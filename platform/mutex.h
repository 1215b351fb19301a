#pragma once

#include <mutex>

#include "platform/thread_annotations.h"

namespace platform {

// A mutex that Clang's thread-safety analysis knows as a lock: the module's
// data names the Mutex that guards it (GUARDED_BY), and the analysis checks
// every use. The standard library's own mutex carries no such annotations.
class CAPABILITY("mutex") Mutex {
public:
    void Lock() ACQUIRE() { m_Mutex.lock(); }
    void Unlock() RELEASE() { m_Mutex.unlock(); }

private:
    std::mutex m_Mutex;
};

// Holds a Mutex for its own lifetime.
class SCOPED_CAPABILITY MutexLock {
public:
    explicit MutexLock(Mutex& mutex) ACQUIRE(mutex) : m_Mutex(mutex) { m_Mutex.Lock(); }
    ~MutexLock() RELEASE() { m_Mutex.Unlock(); }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

private:
    Mutex& m_Mutex;
};

}  // namespace platform
