#include "host/chaos/host_objects.h"

#include <limits>
#include <memory>
#include <thread>

#include "platform/win32/com_helpers.h"

using namespace platform;

namespace {

BSTR Text(const std::wstring& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// An odd answer in place of the right one: values of other types, numbers
// that are no frequency, texts that are empty, huge, unprintable or hold a
// NUL, arrays, failures with and without exception texts.
void OddAnswer(unsigned pick, VARIANT* result, EXCEPINFO* exception, HRESULT& answer) {
    answer = S_OK;
    VARIANT odd;
    VariantInit(&odd);
    switch (pick) {
        case 0:
            break;  // VT_EMPTY
        case 1:
            odd.vt = VT_NULL;
            break;
        case 2:
            odd.vt = VT_I4;
            odd.lVal = -123456;
            break;
        case 3:
            odd.vt = VT_R8;
            odd.dblVal = std::numeric_limits<double>::quiet_NaN();
            break;
        case 4:
            odd.vt = VT_R8;
            odd.dblVal = -std::numeric_limits<double>::infinity();
            break;
        case 5:
            odd.vt = VT_R8;
            odd.dblVal = 1e300;
            break;
        case 6:
            odd.vt = VT_BSTR;
            odd.bstrVal = Text(std::wstring(65536, L'x'));
            break;
        case 7:
            odd.vt = VT_BSTR;
            odd.bstrVal = Text(std::wstring(L"CW\0SSB", 6));
            break;
        case 8:
            odd.vt = VT_BSTR;
            odd.bstrVal = nullptr;
            break;
        case 9:
            odd.vt = VT_BSTR;
            odd.bstrVal = Text(L"\u00e9\u4e2d\U0001F4FB");
            break;
        case 10:
            odd.vt = VT_BSTR;
            odd.bstrVal = Text(L"28400000");
            break;
        case 11:
            odd.vt = VT_BOOL;
            odd.boolVal = VARIANT_TRUE;
            break;
        case 12:
            odd.vt = VT_DATE;
            odd.date = 45269.5;
            break;
        case 13:
            odd.vt = VT_ERROR;
            odd.scode = DISP_E_PARAMNOTFOUND;
            break;
        case 14: {
            SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 3);
            odd.vt = VT_ARRAY | VT_I4;
            odd.parray = array;
            break;
        }
        case 15:
            odd.vt = VT_DISPATCH;
            odd.pdispVal = nullptr;
            break;
        case 16:
            answer = DISP_E_EXCEPTION;
            if (exception) {
                exception->wCode = 1001;
                exception->bstrSource = Text(L"Vexo");
                exception->bstrDescription = Text(std::wstring(4000, L'!'));
                exception->bstrHelpFile = Text(L"vexo.chm");
            }
            break;
        case 17:
            answer = E_OUTOFMEMORY;
            break;
        case 18:
            answer = S_FALSE;
            break;
        default:
            answer = RPC_E_SERVERCALL_RETRYLATER;
            break;
    }
    if (result) {
        *result = odd;
    } else {
        VariantClear(&odd);
    }
}

constexpr unsigned kOddAnswers = 20;

}  // namespace

HostObjects::HostObjects(ChaosRandom random) : m_Random(random), m_MainObject(new HostAutomation) {
    for (HostAutomation* object :
         {m_MainObject, &m_OwnApartment.Object(), &m_Multithreaded.Object()}) {
        object->SetOverride(
            [this](DISPID id, VARIANT* result, EXCEPINFO* exception, HRESULT& answer) {
                return Serve(id, result, exception, answer);
            });
    }
}

HostObjects::~HostObjects() {
    PublishIn(kNone);
    Release();
    for (HostAutomation* object :
         {m_MainObject, &m_OwnApartment.Object(), &m_Multithreaded.Object()}) {
        object->SetOverride(HostAutomation::Override());
    }
    m_MainObject->Release();
    CloseHandle(m_Released);
}

const char* HostObjects::Name(Place place) {
    const char* const names[] = {"none", "main thread", "own apartment", "multithreaded"};
    return names[place];
}

void HostObjects::PublishIn(Place place) {
    m_MainPublication.reset();
    if (m_OwnApartment.Published()) {
        m_OwnApartment.Withdraw();
    }
    if (m_Multithreaded.Published()) {
        m_Multithreaded.Withdraw();
    }
    if (place == kMainThread) {
        m_MainPublication.emplace(static_cast<IDispatch*>(m_MainObject));
    } else if (place == kOwnApartment) {
        m_OwnApartment.Publish();
    } else if (place == kMultithreaded) {
        m_Multithreaded.Publish();
    }
    m_Current = place;
}

HostAutomation* HostObjects::Running() {
    switch (m_Current) {
        case kMainThread:
            return m_MainObject;
        case kOwnApartment:
            return &m_OwnApartment.Object();
        case kMultithreaded:
            return &m_Multithreaded.Object();
        default:
            return nullptr;
    }
}

void HostObjects::Hold(const std::string& operation, DWORD milliseconds) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_HoldMs[operation] = milliseconds;
    ResetEvent(m_Released);
}

void HostObjects::Release() {
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_HoldMs.clear();
        SetEvent(m_Released);
    }
    m_Odd = false;
    for (HostAutomation* object :
         {m_MainObject, &m_OwnApartment.Object(), &m_Multithreaded.Object()}) {
        object->SetFailing(false);
    }
}

void HostObjects::SetFailing(bool failing) {
    if (HostAutomation* object = Running()) {
        object->SetFailing(failing);
    }
}

bool HostObjects::Serve(DISPID id, VARIANT* result, EXCEPINFO* exception, HRESULT& answer) {
    const char* const names[] = {"GetFrequency", "GetMode", "GetField", "RunMacro"};
    const char* name = id == 2 ? names[0] : id == 7 ? names[1] : id == 8 ? names[2] : names[3];
    DWORD holdMs = 0;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        const auto found = m_HoldMs.find(name);
        holdMs = found == m_HoldMs.end() ? 0 : found->second;
    }
    if (holdMs != 0) {
        const DWORD start = GetTickCount();
        WaitForSingleObject(m_Released, holdMs);
        ChaosRun::HostServingMs() += GetTickCount() - start;
    }
    unsigned pick;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        if (!m_Odd || !m_Random.Percent(60)) {
            return false;
        }
        pick = m_Random.Below(kOddAnswers);
    }
    OddAnswer(pick, result, exception, answer);
    return true;
}

void HostObjects::SetField(int index, const std::string& text) {
    if (HostAutomation* object = Running()) {
        object->SetField(index, text);
    }
}

void HostObjects::SetFrequency(double hz) {
    if (HostAutomation* object = Running()) {
        object->SetFrequency(hz);
    }
}

void HostObjects::SetMode(const std::string& mode) {
    if (HostAutomation* object = Running()) {
        object->SetMode(mode);
    }
}

namespace {

// The host's own way to its running object, one step after another; `step`
// names the step under way.
HRESULT FindAndCall(std::atomic<const char*>& step) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    CLSID clsid;
    ComPtr<IUnknown> running;
    ComPtr<IDispatch> dispatch;
    ComVariant mode;
    step = "CLSIDFromProgID";
    HRESULT hr = CLSIDFromProgID(L"Vexo2.Application", &clsid);
    if (SUCCEEDED(hr)) {
        step = "GetActiveObject";
        hr = GetActiveObject(clsid, nullptr, running.Out());
    }
    if (SUCCEEDED(hr)) {
        step = "QueryInterface";
        hr = running->QueryInterface(IID_IDispatch, dispatch.OutVoid());
    }
    if (SUCCEEDED(hr)) {
        step = "a call of its object";
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        hr = dispatch->Invoke(7, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, mode.Get(), nullptr,
                              nullptr);
    }
    dispatch.Reset();
    running.Reset();
    CoUninitialize();
    return hr;
}

}  // namespace

HRESULT HostObjects::CallRunning(ChaosRun& run, std::string& stuck) {
    // From a thread of its own, while this one handles messages (the object
    // may live here): a step that never comes back leaves that thread behind
    // and says where the host is stuck, instead of hanging the run.
    constexpr DWORD kAnswerMs = 15000;
    auto step = std::make_shared<std::atomic<const char*>>("starting");
    auto answer = std::make_shared<std::atomic<HRESULT>>(E_PENDING);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE doneForThread = nullptr;
    DuplicateHandle(GetCurrentProcess(), done, GetCurrentProcess(), &doneForThread, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    std::thread caller([step, answer, doneForThread] {
        *answer = FindAndCall(*step);
        SetEvent(doneForThread);
        CloseHandle(doneForThread);
    });
    const DWORD start = GetTickCount();
    bool answered = false;
    while (!answered && GetTickCount() - start < kAnswerMs) {
        answered = MsgWaitForMultipleObjects(1, &done, FALSE, 20, QS_ALLINPUT) == WAIT_OBJECT_0;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    CloseHandle(done);
    if (!answered) {
        caller.detach();
        stuck = std::string("the host's ") + step->load() + " did not come back in " +
                std::to_string(kAnswerMs / 1000) + " s";
        run.Log(stuck);
        return E_PENDING;
    }
    caller.join();
    return *answer;
}
