#pragma once

#include <windows.h>
// after windows.h
#include <ole2.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// The automation object that the host publishes as "Vexo2.Application": the
// operations the module calls, by dispatch id, with their exact kinds:
//   2  frequency, property get, a double in Hz
//   7  mode, property get, a string
//   8  GetField(int), method, a VARIANT: the field's text, empty when unset
//   16 RunMacro(string), method
// A test or the host simulator sets the values it answers with and reads the
// macros and calls it received, in order. Reference counted; create with new.
class HostAutomation final : public IDispatch {
public:
    HostAutomation() = default;
    HostAutomation(const HostAutomation&) = delete;
    HostAutomation& operator=(const HostAutomation&) = delete;

    void SetField(int index, const std::string& text);
    void SetFrequency(double hz);
    void SetMode(const std::string& mode);
    // While set, every call fails as a host in trouble would.
    void SetFailing(bool failing);
    // Makes every later call of an operation ("GetField", "RunMacro",
    // "GetFrequency", "GetMode") take this long before it answers, as a
    // host busy elsewhere does; 0 answers at once again. ReleaseHeldCalls
    // lets the calls waiting now answer at once.
    void HoldCalls(const std::string& operation, DWORD milliseconds);
    void ReleaseHeldCalls();
    // While set, every call that reaches an operation is first offered to
    // the override, which may answer it in its place (any value, any
    // HRESULT, exception texts included) by returning true. Called on the
    // thread that serves the call.
    using Override =
        std::function<bool(DISPID id, VARIANT* result, EXCEPINFO* exception, HRESULT& answer)>;
    void SetOverride(Override answer);

    std::vector<std::string> Macros() const;
    // Every call that succeeded: "GetFrequency", "GetMode", "GetField 5", "RunMacro <SP1>".
    std::vector<std::string> Calls() const;
    // How many calls of an operation have reached the object, answered or not.
    int CallsStarted(const std::string& operation) const;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, UINT*) override;

private:
    ~HostAutomation();

    // Waits as long as the operation is held.
    void Hold(const std::string& operation);

    HRESULT Frequency(VARIANT* result);
    HRESULT Mode(VARIANT* result);
    HRESULT Field(VARIANTARG& index, VARIANT* result);
    HRESULT RunMacro(VARIANTARG& macro);

    LONG m_References = 1;
    mutable std::mutex m_Lock;
    std::map<int, std::string> m_Fields;
    double m_Frequency = 0.0;
    std::string m_Mode;
    bool m_Failing = false;
    std::vector<std::string> m_Macros;
    std::vector<std::string> m_Calls;
    std::map<std::string, DWORD> m_HoldMs;
    std::map<std::string, int> m_Started;
    Override m_Override;
    HANDLE m_HeldRelease = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};
