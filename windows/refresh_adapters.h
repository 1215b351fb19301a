#pragma once

namespace windows {

class WindowState;

// The refresh cycle run on the host's automation object and on the status
// windows that are open. One refresh on the window thread: opens the windows
// the operator wants, then follows the host (callsign, frequency, mode) into
// the band rows, the captions, the State/Province boxes and the DXCC button.
// Without a host object nothing happens at all.
void RefreshStatusWindows(WindowState& state, bool wantStatProv, bool wantDxcc);

}  // namespace windows
