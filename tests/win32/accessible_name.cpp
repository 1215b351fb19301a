#include "tests/win32/accessible_name.h"

#include <oleacc.h>

#include "platform/win32/com_helpers.h"

using namespace platform;

std::string AccessibleName(HWND window) {
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    std::string name = "<none>";
    {
        ComPtr<IAccessible> object;
        ComVariant self;
        self.Get()->vt = VT_I4;
        self.Get()->lVal = CHILDID_SELF;
        BSTR text = nullptr;
        if (SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                 IID_IAccessible, object.OutVoid())) &&
            object->get_accName(self.Value(), &text) == S_OK && text) {
            name = BstrText(text);
        }
        SysFreeString(text);
    }
    if (SUCCEEDED(initialised)) {
        CoUninitialize();
    }
    return name;
}
