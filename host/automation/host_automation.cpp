#include "host/automation/host_automation.h"

#include <utility>

#include "platform/win32/com_helpers.h"

using namespace platform;

namespace {

constexpr DISPID kDispidFrequency = 2;
constexpr DISPID kDispidMode = 7;
constexpr DISPID kDispidField = 8;
constexpr DISPID kDispidRunMacro = 16;

// The operation names of Calls() and HoldCalls().
const char* OperationName(DISPID id) {
    switch (id) {
        case kDispidFrequency:
            return "GetFrequency";
        case kDispidMode:
            return "GetMode";
        case kDispidField:
            return "GetField";
        default:
            return "RunMacro";
    }
}

// The kind and the number of arguments of each operation.
struct Operation {
    DISPID id;
    WORD kind;
    UINT arguments;
};
constexpr Operation kOperations[] = {
    {kDispidFrequency, DISPATCH_PROPERTYGET, 0},
    {kDispidMode, DISPATCH_PROPERTYGET, 0},
    {kDispidField, DISPATCH_METHOD, 1},
    {kDispidRunMacro, DISPATCH_METHOD, 1},
};

// Whether the call names an operation, with its kind and its number of arguments.
HRESULT CheckCall(DISPID id, WORD kind, const DISPPARAMS* params) {
    for (const Operation& operation : kOperations) {
        if (operation.id != id) {
            continue;
        }
        if (!(kind & operation.kind)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        const UINT arguments = params ? params->cArgs : 0;
        return arguments == operation.arguments ? S_OK : DISP_E_BADPARAMCOUNT;
    }
    return DISP_E_MEMBERNOTFOUND;
}

void SetText(VARIANT* result, const std::string& text) {
    if (result) {
        result->vt = VT_BSTR;
        result->bstrVal = ComBstr(WideText(text)).Detach();
    }
}

}  // namespace

void HostAutomation::SetField(int index, const std::string& text) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Fields[index] = text;
}

void HostAutomation::SetFrequency(double hz) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Frequency = hz;
}

void HostAutomation::SetMode(const std::string& mode) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Mode = mode;
}

void HostAutomation::SetFailing(bool failing) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Failing = failing;
}

void HostAutomation::HoldCalls(const std::string& operation, DWORD milliseconds) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_HoldMs[operation] = milliseconds;
    ResetEvent(m_HeldRelease);
}

void HostAutomation::SetOverride(Override answer) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Override = std::move(answer);
}

void HostAutomation::ReleaseHeldCalls() {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_HoldMs.clear();
    SetEvent(m_HeldRelease);
}

int HostAutomation::CallsStarted(const std::string& operation) const {
    std::lock_guard<std::mutex> lock(m_Lock);
    const auto found = m_Started.find(operation);
    return found == m_Started.end() ? 0 : found->second;
}

HostAutomation::~HostAutomation() {
    CloseHandle(m_HeldRelease);
}

void HostAutomation::Hold(const std::string& operation) {
    DWORD holdMs = 0;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        ++m_Started[operation];
        const auto found = m_HoldMs.find(operation);
        holdMs = found == m_HoldMs.end() ? 0 : found->second;
    }
    if (holdMs != 0) {
        WaitForSingleObject(m_HeldRelease, holdMs);
    }
}

std::vector<std::string> HostAutomation::Macros() const {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Macros;
}

std::vector<std::string> HostAutomation::Calls() const {
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Calls;
}

HRESULT HostAutomation::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG HostAutomation::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_References));
}

ULONG HostAutomation::Release() {
    const LONG references = InterlockedDecrement(&m_References);
    if (references == 0) {
        delete this;
    }
    return static_cast<ULONG>(references);
}

HRESULT HostAutomation::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT HostAutomation::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) {
        *info = nullptr;
    }
    return DISP_E_BADINDEX;
}

HRESULT HostAutomation::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT HostAutomation::Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT*) {
    Override answerInstead;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        if (m_Failing) {
            return E_FAIL;
        }
        answerInstead = m_Override;
    }
    const HRESULT valid = CheckCall(id, kind, params);
    if (FAILED(valid)) {
        return valid;
    }
    Hold(OperationName(id));
    HRESULT answer = S_OK;
    if (answerInstead && answerInstead(id, result, exception, answer)) {
        return answer;
    }
    switch (id) {
        case kDispidFrequency:
            return Frequency(result);
        case kDispidMode:
            return Mode(result);
        case kDispidField:
            return Field(params->rgvarg[0], result);
        default:
            return RunMacro(params->rgvarg[0]);
    }
}

HRESULT HostAutomation::Frequency(VARIANT* result) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Calls.push_back("GetFrequency");
    if (result) {
        result->vt = VT_R8;
        result->dblVal = m_Frequency;
    }
    return S_OK;
}

HRESULT HostAutomation::Mode(VARIANT* result) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Calls.push_back("GetMode");
    SetText(result, m_Mode);
    return S_OK;
}

HRESULT HostAutomation::Field(VARIANTARG& index, VARIANT* result) {
    ComVariant number;
    if (FAILED(VariantCopy(number.Get(), &index)) || !number.ChangeType(VT_I4)) {
        return DISP_E_TYPEMISMATCH;
    }
    const int field = static_cast<int>(number.Value().lVal);
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Calls.push_back("GetField " + std::to_string(field));
    const auto found = m_Fields.find(field);
    if (found != m_Fields.end()) {
        SetText(result, found->second);
    }
    return S_OK;
}

HRESULT HostAutomation::RunMacro(VARIANTARG& macro) {
    ComVariant text;
    if (FAILED(VariantCopy(text.Get(), &macro)) || !text.ChangeType(VT_BSTR)) {
        return DISP_E_TYPEMISMATCH;
    }
    const std::string narrow = BstrText(text.Value().bstrVal);
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Calls.push_back("RunMacro " + narrow);
    m_Macros.push_back(narrow);
    return S_OK;
}
