#pragma once

#include "host/automation/host_automation.h"
#include "host/automation/host_publication.h"

// Plays the host for a test: its automation object published from the test's
// thread as the running "Vexo2.Application". While the module's window thread
// calls it, the test's thread must keep handling messages (PumpMessagesUntil,
// SendAndPump, ClickAndPump), never block.
class TestHost {
public:
    TestHost();
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    HostAutomation& Object() { return *m_Object; }
    HostPublication& Publication() { return m_Publication; }

private:
    HRESULT m_ComInitialised;
    HostAutomation* m_Object;
    HostPublication m_Publication;
};
