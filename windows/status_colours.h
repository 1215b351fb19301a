#pragma once

#include <windows.h>

// The pale yellow of the control dialog and the State/Province window.
constexpr COLORREF kWindowBackground = RGB(255, 250, 198);
constexpr COLORREF kTextBackground = RGB(255, 240, 198);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

// The colours of a WM_CTLCOLOR* message, for the window and every control:
// black text on the text background, the brush (of kWindowBackground) for
// the rest.
HBRUSH ApplyStatusColours(HDC dc, HBRUSH background);
