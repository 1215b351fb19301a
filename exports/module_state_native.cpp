// The module's state in native programs, which have no window thread: their
// desktop (the null one or a test's) stands in for the window system.
#include <atomic>

#include "exports/module_state.h"
#include "platform/null_desktop.h"

namespace exports {

namespace {

class NativeModule : public ModuleState {
public:
    platform::Desktop& GetDesktop() override {
        platform::Desktop* installed = m_Installed.load();
        return installed ? *installed : m_NullDesktop;
    }
    void Install(platform::Desktop* desktop) { m_Installed.store(desktop); }

private:
    platform::NullDesktop m_NullDesktop;
    std::atomic<platform::Desktop*> m_Installed{nullptr};
};

// Made before main and not at its first use (see g_PlacesByName in
// engine/places.cpp).
NativeModule g_Module;

}  // namespace

ModuleState& TheModule() {
    return g_Module;
}

void SetDesktop(platform::Desktop* desktop) {
    g_Module.Install(desktop);
}

}  // namespace exports
