#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

#include "host/automation/host_automation.h"

// The host's automation object published from a thread of the host's own,
// as a host with a separate automation thread does: in a single-threaded
// apartment (the thread handles messages to serve calls) or in the
// multithreaded apartment (calls arrive on COM's own threads).
class HostApartment {
public:
    enum Kind { kSingleThreaded, kMultithreaded };

    explicit HostApartment(Kind kind);
    // Ends the thread (revoking the object) unless it has ended already.
    ~HostApartment();
    HostApartment(const HostApartment&) = delete;
    HostApartment& operator=(const HostApartment&) = delete;

    HostAutomation& Object() { return *m_Object; }
    // Whether the object became the running "Vexo2.Application".
    bool Published() const { return m_Published; }

    // The single-threaded apartment stops handling messages for this long,
    // from now on, as a host busy with other work.
    void BeBusyFor(DWORD milliseconds);
    // The thread ends, withdrawing the object from the running object table
    // first, or leaving it there as a host thread that dies does.
    void End(bool revoke);

private:
    enum Command { kNone, kBusy, kEndRevoking, kEndLeaving };
    void Run(Kind kind);
    void Serve();
    void Post(Command command, DWORD milliseconds);

    HostAutomation* m_Object;
    HANDLE m_Ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_Wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::atomic<int> m_Command{kNone};
    std::atomic<DWORD> m_BusyMs{0};
    bool m_Published = false;
    std::thread m_Thread;
};
