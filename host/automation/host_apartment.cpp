#include "host/automation/host_apartment.h"

HostApartment::HostApartment(Kind kind, bool publish) : m_Object(new HostAutomation) {
    m_Thread = std::thread([this, kind, publish] { Run(kind, publish); });
    WaitForSingleObject(m_Ready, INFINITE);
}

HostApartment::~HostApartment() {
    m_Object->ReleaseHeldCalls();
    if (m_Thread.joinable()) {
        End(true);
    }
    m_Object->Release();
    CloseHandle(m_Ready);
    CloseHandle(m_Wake);
}

void HostApartment::Publish() {
    PostAndWait(kPublish);
}

void HostApartment::Withdraw() {
    PostAndWait(kWithdraw);
}

void HostApartment::BeBusyFor(DWORD milliseconds) {
    Post(kBusy, milliseconds);
}

void HostApartment::End(bool revoke) {
    Post(revoke ? kEndRevoking : kEndLeaving, 0);
    m_Thread.join();
}

void HostApartment::Post(Command command, DWORD milliseconds) {
    m_BusyMs = milliseconds;
    m_Command = command;
    SetEvent(m_Wake);
}

void HostApartment::PostAndWait(Command command) {
    Post(command, 0);
    WaitForSingleObject(m_Ready, INFINITE);
}

void HostApartment::Run(Kind kind, bool publish) {
    CoInitializeEx(nullptr,
                   kind == kMultithreaded ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED);
    if (publish) {
        m_Publication = new HostPublication(static_cast<IDispatch*>(m_Object));
        m_Published = m_Publication->IsPublished();
    }
    SetEvent(m_Ready);
    Serve();
    if (m_Command == kEndLeaving) {
        return;  // the thread dies as it is: no withdrawal, no COM shut-down
    }
    delete m_Publication;
    CoUninitialize();
}

// Handles messages (the calls of a single-threaded apartment) and the
// commands, until told to end.
void HostApartment::Serve() {
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &m_Wake, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) {
            const int command = m_Command.exchange(kNone);
            if (command == kBusy) {
                Sleep(m_BusyMs);
            } else if (command == kPublish || command == kWithdraw) {
                delete m_Publication;  // withdraws and cuts the links
                m_Publication = nullptr;
                if (command == kPublish) {
                    m_Publication = new HostPublication(static_cast<IDispatch*>(m_Object));
                }
                m_Published = m_Publication && m_Publication->IsPublished();
                SetEvent(m_Ready);
            } else if (command != kNone) {
                m_Command = command;
                return;
            }
            continue;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}
