#pragma once

#include "platform/win32/dialog.h"
#include "platform/win32/gdi_object.h"
#include "windows/first_run_layout.h"
#include "windows/window_position.h"

namespace windows {

// One of the module's three windows: it opens where it stood last, or at its
// seat in the first-run layout (window_placement.h), on top of other windows
// and with the module's icon, and stores where the operator moves it as the
// pointer passes over it. A pale window paints itself and its controls in
// black on pale yellow.
class ModuleDialog : public platform::CDialog {
public:
    enum Colours { kSystemColours, kPaleColours };

    // The position is the one the module's windows share.
    ModuleDialog(UINT templateId, ModuleWindow seat, Colours colours, WindowPosition& position)
        : CDialog(templateId), m_Seat(seat), m_Colours(colours), m_Position(position) {}

protected:
    // The base's, then the window takes its place.
    BOOL OnInitDialog() override;
    bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    const ModuleWindow m_Seat;
    const Colours m_Colours;
    WindowPosition& m_Position;
    platform::CBrush m_Brush;  // a pale window's background, made when it opens
};

}  // namespace windows
