#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

#include "host/automation/host_automation.h"
#include "host/automation/host_publication.h"

// The host's automation object published from a thread of the host's own,
// as a host with a separate automation thread does: in a single-threaded
// apartment (the thread handles messages to serve calls) or in the
// multithreaded apartment (calls arrive on COM's own threads).
class HostApartment {
public:
    enum Kind { kSingleThreaded, kMultithreaded };

    // Publishes the object at once, or only when Publish() is called.
    explicit HostApartment(Kind kind, bool publish = true);
    // Ends the thread (revoking the object) unless it has ended already.
    ~HostApartment();
    HostApartment(const HostApartment&) = delete;
    HostApartment& operator=(const HostApartment&) = delete;

    HostAutomation& Object() { return *m_Object; }
    // Whether the object is the running "Vexo2.Application" now.
    bool Published() const { return m_Published; }

    // Makes the object the running one, or withdraws it and cuts every link
    // to it, from the apartment's thread; returns once done.
    void Publish();
    void Withdraw();
    // The single-threaded apartment stops handling messages for this long,
    // from now on, as a host busy with other work.
    void BeBusyFor(DWORD milliseconds);
    // The thread ends, withdrawing the object from the running object table
    // first, or leaving it there as a host thread that dies does.
    void End(bool revoke);

private:
    enum Command { kNone, kBusy, kPublish, kWithdraw, kEndRevoking, kEndLeaving };
    void Run(Kind kind, bool publish);
    void Serve();
    void Post(Command command, DWORD milliseconds);
    void PostAndWait(Command command);

    HostAutomation* m_Object;
    HostPublication* m_Publication = nullptr;
    HANDLE m_Ready = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE m_Wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::atomic<int> m_Command{kNone};
    std::atomic<DWORD> m_BusyMs{0};
    std::atomic<bool> m_Published{false};
    std::thread m_Thread;
};
