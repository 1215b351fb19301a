#include "windows/host_app.h"

#include <utility>

#include "windows/status_texts.h"

namespace windows {

namespace {

// The host's operations, by dispatch id.
constexpr DISPID kDispidFrequency = 2;
constexpr DISPID kDispidMode = 7;
constexpr DISPID kDispidField = 8;
constexpr DISPID kDispidRunMacro = 16;

void FreeExceptionTexts(EXCEPINFO& exception) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

IDispatch* FindRunningHost() {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(platform::WideText(kHostProgId).c_str(), &clsid))) {
        return nullptr;
    }
    // Never uninitialised: the thread keeps COM for as long as it runs.
    if (FAILED(CoInitialize(nullptr))) {
        return nullptr;
    }
    platform::ComPtr<IUnknown> running;
    if (FAILED(GetActiveObject(clsid, nullptr, running.Out()))) {
        return nullptr;
    }
    platform::ComPtr<IDispatch> dispatch;
    if (FAILED(running->QueryInterface(IID_IDispatch, dispatch.OutVoid()))) {
        return nullptr;
    }
    return dispatch.Detach();
}

}  // namespace

HRESULT CHostApp::Invoke(DISPID id, WORD kind, VARIANT* argument, VARIANT* result) {
    if (!m_lpDispatch) {
        return E_POINTER;
    }
    if (m_CallsRefused) {
        return E_ABORT;
    }
    DISPPARAMS params{argument, nullptr, argument ? 1u : 0u, 0};
    EXCEPINFO exception{};
    UINT argumentError = 0;
    const HRESULT hr =
        m_lpDispatch->Invoke(id, IID_NULL, 0, kind, &params, result, &exception, &argumentError);
    FreeExceptionTexts(exception);
    return hr;
}

std::optional<double> CHostApp::GetFrequency() {
    platform::ComVariant result;
    if (FAILED(Invoke(kDispidFrequency, DISPATCH_PROPERTYGET, nullptr, result.Get())) ||
        !result.ChangeType(VT_R8)) {
        return std::nullopt;
    }
    return result.Value().dblVal;
}

std::optional<std::string> CHostApp::GetMode() {
    platform::ComVariant result;
    if (FAILED(Invoke(kDispidMode, DISPATCH_PROPERTYGET, nullptr, result.Get())) ||
        !result.ChangeType(VT_BSTR)) {
        return std::nullopt;
    }
    return TextOf(result.Value());
}

std::optional<platform::ComVariant> CHostApp::GetField(int32_t index) {
    platform::ComVariant argument;
    argument.Get()->vt = VT_I4;
    argument.Get()->lVal = index;
    platform::ComVariant result;
    if (FAILED(Invoke(kDispidField, DISPATCH_METHOD, argument.Get(), result.Get()))) {
        return std::nullopt;
    }
    return std::optional<platform::ComVariant>(std::move(result));
}

bool CHostApp::RunMacro(const std::string& macro) {
    platform::ComVariant argument;
    argument.Get()->vt = VT_BSTR;
    argument.Get()->bstrVal = platform::ComBstr(platform::WideText(macro)).Detach();
    return SUCCEEDED(Invoke(kDispidRunMacro, DISPATCH_METHOD, argument.Get(), nullptr));
}

void HostConnection::Connect() {
    Disconnect();
    if (!m_HostApp.CallsRefused()) {
        m_pHostDispatch.Reset(FindRunningHost());
    }
    m_HostApp.AttachDispatch(m_pHostDispatch.Get());
}

void HostConnection::Disconnect() {
    m_HostApp.AttachDispatch(nullptr);
    m_pHostDispatch.Reset();
}

IDispatch* HostConnection::Detach() {
    m_HostApp.AttachDispatch(nullptr);
    return m_pHostDispatch.Detach();
}

std::string TextOf(const VARIANT& value) {
    if (value.vt != VT_BSTR) {
        return std::string();
    }
    return platform::BstrText(value.bstrVal);
}

}  // namespace windows
