#pragma once

#include "platform/desktop.h"

namespace windows {

class WindowThread;

// The desktop of the module: the window system of the host's process, with
// the module's window thread.
class Win32Desktop : public platform::Desktop {
public:
    explicit Win32Desktop(WindowThread& windows) : m_Windows(windows) {}

    void ShowPlainMessage(const std::string& text) override;
    void ShowInfoMessage(const std::string& text, const std::string& caption) override;
    bool EditCabrilloHeader(reports::CabrilloHeader& header) override;
    bool WindowThreadRunning() override;
    void StartWindowThread() override;
    void ArmRefreshTimer(unsigned milliseconds) override;
    std::optional<std::string> HostVersionText() override;

private:
    WindowThread& m_Windows;
};

}  // namespace windows
