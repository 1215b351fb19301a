#pragma once

#include "platform/win32/button.h"

// The owner-drawn button that fills the DXCC window. It keeps no state: each
// paint draws the worked-with table of g_HostCall or, with no callsign, the
// DXCC prefixes worked in the host's mode, in the dialog's font, off-screen
// and in one copy.
// Repaint it by invalidating the control without erasing its background.
class CVaZiInfoButton : public CButton {
public:
    void DrawItem(const DRAWITEMSTRUCT& item) override;
};
