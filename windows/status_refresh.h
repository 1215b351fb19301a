#pragma once

// One refresh of the status windows on the window thread: opens the windows
// the operator wants, then follows the host (callsign, frequency, mode) into
// the band rows, the captions, the State/Province boxes and the DXCC button.
// Without a host object nothing happens at all.
void RefreshStatusWindows(bool wantStatProv, bool wantDxcc);
