#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/win32/com_helpers.h"

// The link to the host's running automation object. Every call happens on
// the window thread, which initialised COM in ConnectHost. Unbound, every
// operation does nothing and yields no value; a call the host fails (or a
// host that has gone away) yields no value or false, never an exception.
class CHostApp {
public:
    // Binds to the object without taking a reference of its own; null unbinds.
    void AttachDispatch(IDispatch* dispatch) { m_lpDispatch = dispatch; }
    bool IsBound() const { return m_lpDispatch != nullptr; }

    // The host's frequency in Hz.
    std::optional<double> GetFrequency();
    // The host's mode ("CW", "SSB", ...), in narrow text.
    std::optional<std::string> GetMode();
    // A field of the host's entry line; 5 is the callsign being entered.
    std::optional<ComVariant> GetField(int32_t index);
    // True when the host took the macro.
    bool RunMacro(const std::string& macro);

private:
    HRESULT Invoke(DISPID id, WORD kind, VARIANT* argument, VARIANT* result);

    IDispatch* m_lpDispatch = nullptr;
};

extern CHostApp g_HostApp;
// The host object's IDispatch, holding the module's one reference; null when
// no host was found. It is never destroyed, so that no reference is released
// as the module unloads (see host_app.cpp).
extern ComPtr<IDispatch>& g_pHostDispatch;

// Finds the running "Vexo2.Application" object from the calling thread
// (initialising COM for it) and binds g_HostApp to it; on any failure
// g_pHostDispatch stays null and g_HostApp unbound. A binding made earlier on
// this thread is released first.
void ConnectHost();
// Releases g_pHostDispatch and unbinds g_HostApp; call on the thread that
// connected.
void DisconnectHost();
// Unbinds g_HostApp and hands the reference of g_pHostDispatch (null when
// none) to the caller, who releases it on the thread that connected.
IDispatch* DetachHost();

// From now on every operation fails at once and no connection is made: the
// module is being unloaded. Any thread may call it.
void RefuseHostCalls();
bool HostCallsRefused();

// A host value as narrow text: a string's text, else empty.
std::string TextOf(const VARIANT& value);
