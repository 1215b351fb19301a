#pragma once

#include "platform/desktop.h"

namespace platform {

// The desktop of programs without a window system: nothing is shown, every
// dialog counts as cancelled and no window thread ever runs.
class NullDesktop : public Desktop {
public:
    void ShowPlainMessage(const std::string&) override {}
    void ShowInfoMessage(const std::string&, const std::string&) override {}
    bool EditCabrilloHeader(reports::CabrilloHeader&) override { return false; }
    bool WindowThreadRunning() override { return false; }
    void StartWindowThread() override {}
    void ArmRefreshTimer(unsigned) override {}
    std::optional<std::string> HostVersionText() override { return std::nullopt; }
};

}  // namespace platform
