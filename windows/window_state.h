#pragma once

#include "windows/host_app.h"
#include "windows/refresh_cycle.h"
#include "windows/window_position.h"

namespace engine {
class ContestLog;
}  // namespace engine

namespace windows {

class Multiplier;

class Stat_Prov;

// What the windows of the status windows' thread share: the two status
// windows, the link to the host, the refresh with the host's state as last
// read and the band names, and the position the windows share. The module
// has one, in its window thread (window_thread.h).
//
// Threads: the window thread's, without a lock: one window thread at a time
// runs the control dialog, and a dialog lets go of the windows and the link
// before the next one can start. Two exceptions, both at the unload: the
// unloading thread refuses host calls (an atomic flag of m_Host), and takes
// back the status windows of a window thread it had to stop, once that
// thread is gone.
class WindowState {
public:
    explicit WindowState(engine::ContestLog& log) : m_Refresh(log) {}
    WindowState(const WindowState&) = delete;
    WindowState& operator=(const WindowState&) = delete;

    // Closes whichever of the two status windows are open, the State/Province
    // window first.
    void CloseOpenStatusWindows();
    // Deletes the two windows' objects, whose windows went with a thread that
    // was stopped; sends them nothing.
    void DeleteStatusWindows();

    // The open status windows, null when closed. Set and cleared by the
    // control dialog's view boxes and the refresh; a window closed by its own
    // title-bar button keeps its object (and pointer) until then.
    Stat_Prov* m_pStatProv = nullptr;
    Multiplier* m_pMultiplier = nullptr;

    HostConnection m_Host;
    RefreshCycle m_Refresh;
    WindowPosition m_Position;
};

}  // namespace windows
