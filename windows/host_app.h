#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/win32/com_helpers.h"

namespace windows {

// The link to the host's running automation object. Every call happens on
// the window thread, which initialised COM in HostConnection::Connect. Unbound, every
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
    std::optional<platform::ComVariant> GetField(int32_t index);
    // True when the host took the macro.
    bool RunMacro(const std::string& macro);

    // From now on every operation fails at once: the module is being
    // unloaded. Any thread may call it.
    void RefuseCalls() { m_CallsRefused = true; }
    bool CallsRefused() const { return m_CallsRefused; }

private:
    HRESULT Invoke(DISPID id, WORD kind, VARIANT* argument, VARIANT* result);

    IDispatch* m_lpDispatch = nullptr;
    std::atomic<bool> m_CallsRefused{false};
};

// The window thread's link to the host: the driver above, bound to the host
// object's IDispatch while the link holds the module's one reference to it.
// Connected, used and released on the window thread; refused from any thread.
class HostConnection {
public:
    HostConnection() = default;
    // A reference still held as the module unloads (under the loader lock,
    // where no COM call may be made) belongs to a window thread that the
    // unload had to stop inside a host call, or to a process that is ending:
    // it stays with the process, unreleased.
    ~HostConnection() { m_pHostDispatch.Detach(); }
    HostConnection(const HostConnection&) = delete;
    HostConnection& operator=(const HostConnection&) = delete;

    // Finds the running "Vexo2.Application" object from the calling thread
    // (initialising COM for it) and binds m_HostApp to it; on any failure, and
    // once calls are refused, m_pHostDispatch stays null and m_HostApp
    // unbound. A binding made earlier on this thread is released first.
    void Connect();
    // Releases m_pHostDispatch and unbinds m_HostApp; on the thread that connected.
    void Disconnect();
    // Unbinds m_HostApp and hands the reference of m_pHostDispatch (null when
    // none) to the caller, who releases it on the thread that connected.
    IDispatch* Detach();

    CHostApp m_HostApp;
    // The host object's IDispatch, holding the module's one reference; null
    // when no host was found.
    platform::ComPtr<IDispatch> m_pHostDispatch;
};

// A host value as narrow text: a string's text, else empty.
std::string TextOf(const VARIANT& value);

}  // namespace windows
