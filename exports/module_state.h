#pragma once

#include "engine/contest_log.h"
#include "platform/desktop.h"
#include "reports/pass_results.h"

namespace exports {

// The module's state that the exported functions work on, and the desktop
// that shows it, which the exports hand to the engine and the reports with
// it. One is made as the module loads, before the host's first call, and
// taken down as it unloads; where it is made says in which order its parts
// and the window thread's state are made and taken down: dll_main.cpp for
// the DLL, module_state_native.cpp for native programs.
class ModuleState {
public:
    engine::ContestLog m_Log;
    reports::PassResults m_Results;

    // The Win32 desktop in the DLL; in native programs the one a test
    // installed, else one that shows nothing.
    virtual platform::Desktop& GetDesktop() = 0;

protected:
    ModuleState() = default;
    ~ModuleState() = default;
};

// The module's one state.
ModuleState& TheModule();

// Native programs only: the desktop of the module's state from now on (a
// test's or a fuzzer's); null goes back to the one that shows nothing.
void SetDesktop(platform::Desktop* desktop);

}  // namespace exports
