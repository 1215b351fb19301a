#include "platform/desktop.h"

#include <atomic>

namespace {
std::atomic<Desktop*> g_InstalledDesktop{nullptr};
}

Desktop& TheDesktop() {
    Desktop* installed = g_InstalledDesktop.load();
    return installed ? *installed : DefaultDesktop();
}

void SetDesktop(Desktop* desktop) {
    g_InstalledDesktop.store(desktop);
}
