#pragma once

#include <windows.h>

namespace platform {

// The module whose resources (dialog templates, icon) the windows load: the
// DLL in the host, the test program itself in window tests.
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

}  // namespace platform
