#pragma once

#include <optional>
#include <string>

namespace reports {
struct CabrilloHeader;
}  // namespace reports

namespace platform {

// Everything the portable core asks of the window system and of the host
// program's files. The module's state holds one and hands it to the engine
// and the reports as they need it: the Win32 desktop in the module, one that
// shows nothing in native programs (null_desktop.h), a test's own in tests.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box with an OK button, no owner and the system's default title.
    virtual void ShowPlainMessage(const std::string& text) = 0;
    // A modal box with an OK button and the information icon, owned by the
    // window that is active on the calling thread.
    virtual void ShowInfoMessage(const std::string& text, const std::string& caption) = 0;
    // The modal Cabrillo header dialog on the calling thread; true when the
    // operator closed it with OK, the header then holding the edited values.
    virtual bool EditCabrilloHeader(reports::CabrilloHeader& header) = 0;

    // The status windows' thread: whether its control dialog exists, starting
    // it, and restarting the dialog's one-shot refresh timer for this delay.
    virtual bool WindowThreadRunning() = 0;
    virtual void StartWindowThread() = 0;
    virtual void ArmRefreshTimer(unsigned milliseconds) = 0;

    // The version of the host's program file for the Cabrillo CREATED-BY
    // line; empty when the program file or its version is not found.
    virtual std::optional<std::string> HostVersionText() = 0;
};

}  // namespace platform
