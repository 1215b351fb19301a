// The desktop of the module: the window system of the host's process.
#include <windows.h>

#include "platform/desktop.h"
#include "windows/cabrillo_dialog.h"
#include "windows/host_program.h"
#include "windows/window_thread.h"

namespace {

class Win32Desktop : public Desktop {
public:
    void ShowPlainMessage(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK);
    }
    void ShowInfoMessage(const std::string& text, const std::string& caption) override {
        MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
    }
    bool EditCabrilloHeader(CabrilloHeader& header) override {
        Cabrillo dialog;
        dialog.m_Values = header;
        if (dialog.DoModal(nullptr) != IDOK) {
            return false;
        }
        header = dialog.m_Values;
        return true;
    }
    bool WindowThreadRunning() override { return ::WindowThreadRunning(); }
    void StartWindowThread() override { ::StartWindowThread(); }
    void ArmRefreshTimer(unsigned milliseconds) override { ArmCallCheckRefresh(milliseconds); }
    std::optional<std::string> HostVersionText() override { return HostProgramVersion(); }
};

// Made as the module loads, not at its first use by a host thread (see
// g_KnownMultCodes in exchange_rules.cpp).
Win32Desktop g_Desktop;

}  // namespace

Desktop& DefaultDesktop() {
    return g_Desktop;
}
