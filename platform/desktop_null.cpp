// The desktop of builds without a window system: nothing is shown, every
// dialog counts as cancelled and no window thread ever runs.
#include "platform/desktop.h"

namespace {

class NullDesktop : public Desktop {
public:
    void ShowPlainMessage(const std::string&) override {}
    void ShowInfoMessage(const std::string&, const std::string&) override {}
    bool EditCabrilloHeader(CabrilloHeader&) override { return false; }
    bool WindowThreadRunning() override { return false; }
    void StartWindowThread() override {}
    void ArmRefreshTimer(unsigned) override {}
    std::optional<std::string> HostVersionText() override { return std::nullopt; }
};

}  // namespace

Desktop& DefaultDesktop() {
    static NullDesktop desktop;
    return desktop;
}
