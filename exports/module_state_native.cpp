// The module's state in native programs, which have no window thread: their
// desktop (the null one or a test's) stands in for the window system.
#include "exports/module_state.h"

namespace {

// Made before main and not at its first use (see g_KnownMultCodes in
// exchange_rules.cpp).
ModuleState g_Module;

}  // namespace

ModuleState& TheModule() {
    return g_Module;
}
