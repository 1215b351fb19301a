#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "host/automation/host_apartment.h"
#include "host/automation/host_automation.h"
#include "host/automation/host_publication.h"
#include "host/chaos/chaos_random.h"
#include "host/chaos/chaos_run.h"

// The host's automation object "Vexo2.Application" as a randomised host
// keeps it: published from the main thread's apartment, from a
// single-threaded apartment of its own, from the multithreaded apartment,
// or not at all; and answering at once, slowly, not for seconds, failing, or
// with odd values. Create and use on the main thread, which initialised COM
// as a single-threaded apartment.
class HostObjects {
public:
    enum Place { kNone, kMainThread, kOwnApartment, kMultithreaded };

    explicit HostObjects(ChaosRandom random);
    ~HostObjects();
    HostObjects(const HostObjects&) = delete;
    HostObjects& operator=(const HostObjects&) = delete;

    // Withdraws the running object (every link to it is cut) and publishes
    // the one of that place; kNone leaves none running.
    void PublishIn(Place place);
    Place Current() const { return m_Current; }
    static const char* Name(Place place);

    // What the objects do from now on: an operation takes this long before
    // it answers (the time counts as the host's own on the serving thread);
    // every operation answers at once and right again; the running object
    // fails every call; the objects answer oddly now and then.
    void Hold(const std::string& operation, DWORD milliseconds);
    void Release();
    void SetFailing(bool failing);
    void SetOdd(bool odd) { m_Odd = odd; }
    void SetField(int index, const std::string& text);
    void SetFrequency(double hz);
    void SetMode(const std::string& mode);
    // The own apartment's thread stops handling messages for a while.
    void BusyFor(DWORD milliseconds) { m_OwnApartment.BeBusyFor(milliseconds); }

    // Finds the running object and asks it for the mode, as the host does; the
    // answer. Call on the main thread, which handles messages meanwhile. When
    // a step does not come back within seconds, E_PENDING, and `stuck` says
    // which.
    static HRESULT CallRunning(ChaosRun& run, std::string& stuck);

private:
    HostAutomation* Running();
    // Before each call an object answers: the hold, then perhaps an odd answer.
    bool Serve(DISPID id, VARIANT* result, EXCEPINFO* exception, HRESULT& answer);

    ChaosRandom m_Random;
    HostAutomation* m_MainObject;
    std::optional<HostPublication> m_MainPublication;
    HostApartment m_OwnApartment{HostApartment::kSingleThreaded, false};
    HostApartment m_Multithreaded{HostApartment::kMultithreaded, false};
    Place m_Current = kNone;
    std::mutex m_Lock;  // the holds, and m_Random, drawn from on the serving threads
    std::map<std::string, DWORD> m_HoldMs;
    HANDLE m_Released = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> m_Odd{false};
};
