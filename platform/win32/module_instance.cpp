#include "platform/win32/module_instance.h"

namespace platform {

namespace {
HINSTANCE g_ModuleInstance = nullptr;
}

HINSTANCE ModuleInstance() {
    return g_ModuleInstance ? g_ModuleInstance : GetModuleHandleA(nullptr);
}

void SetModuleInstance(HINSTANCE instance) {
    g_ModuleInstance = instance;
}

}  // namespace platform
