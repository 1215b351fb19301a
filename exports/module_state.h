#pragma once

#include "engine/contest_log.h"
#include "reports/pass_results.h"

// The module's state that the exported functions work on. One is made as the
// module loads, before the host's first call, and taken down as it unloads;
// where it is made says in which order its parts and the window thread's
// state are made and taken down: dll_main.cpp for the DLL,
// module_state_native.cpp for native programs.
struct ModuleState {
    ContestLog m_Log;
    PassResults m_Results;
};

// The module's one state.
ModuleState& TheModule();
