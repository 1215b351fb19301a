#pragma once

#include <windows.h>
// after windows.h
#include <ole2.h>

// The class id under which the host registers its running automation object.
extern const CLSID CLSID_VexoApplication;

// Writes the ProgID "Vexo2.Application" to HKEY_CLASSES_ROOT with the host's
// class id, as the host program does for itself; false when it cannot.
bool RegisterHostProgId();

// Makes an object the running "Vexo2.Application" while the publication
// lasts: the ProgID registered, the object entered in the running object
// table. Create it on a thread that initialised COM as a single-threaded
// apartment: the object's calls arrive on that thread, which must keep
// handling messages while anyone else calls it (a blocked thread deadlocks
// the caller).
class HostPublication {
public:
    explicit HostPublication(IUnknown* object);
    ~HostPublication();
    HostPublication(const HostPublication&) = delete;
    HostPublication& operator=(const HostPublication&) = delete;

    bool IsPublished() const { return m_Cookie != 0; }

    // Withdraws the object and cuts every link to it, as a host that has gone
    // away: calls through links made earlier fail from then on.
    void Withdraw();

private:
    IUnknown* m_Object;
    DWORD m_Cookie = 0;
};
