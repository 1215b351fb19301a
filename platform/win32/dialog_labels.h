#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialog_units.h"

namespace platform {

// The labels of a dialog's controls and the room each needs, as the window
// system draws them: a static's text from its left edge, a check box's after
// its square, a push button's in its middle.
struct DialogLabel {
    enum Kind { kStatic, kCheckBox, kPushButton };
    Kind kind;
    std::string text;
    int units;  // the control's width in dialog units
};

// Whether a control of this window class ("Static", "Button") and style
// shows its text as a label; edit fields and combo boxes hold values, an
// owner-drawn button draws what it likes.
bool IsLabel(const char* className, DWORD style, DialogLabel::Kind& kind);

// The room of each label that has a text: the pixels it needs, drawn in this
// font for a window at this DPI.
std::vector<LabelRoom> LabelRooms(HWND window, HFONT font, UINT dpi,
                                  const std::vector<DialogLabel>& labels);

}  // namespace platform
