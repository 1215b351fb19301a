#pragma once

#include "platform/win32/button.h"

namespace windows {

class RefreshCycle;

// The owner-drawn button that fills the DXCC window. It keeps no state of
// the log: each paint draws the worked-with table of the callsign that the
// refresh last read from the host or, with no callsign, the DXCC prefixes
// worked in the host's mode, in the font its
// window gave it and at its window's DPI, off-screen and in one copy.
// Repaint it by invalidating the control without erasing its background.
class CVaZiInfoButton : public platform::CButton {
public:
    explicit CVaZiInfoButton(const RefreshCycle& refresh) : m_Refresh(refresh) {}
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    // The DPI its window is laid out for, set by the window.
    void SetDpi(UINT dpi) { m_Dpi = dpi; }

private:
    const RefreshCycle& m_Refresh;
    UINT m_Dpi = USER_DEFAULT_SCREEN_DPI;
};

}  // namespace windows
