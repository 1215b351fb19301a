#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Where a dialog's controls draw their texts, worked out as the window system
// draws them, in each control's own font: a static's text from its left
// edge, a check box's after its box, a push button's in its middle.
struct LaidOutText {
    enum Kind { kStatic, kCheckBox, kPushButton, kDrawn };
    Kind kind;
    HWND window;  // the control; null for a text drawn by the code
    std::string text;
    RECT control;  // in the dialog's client pixels
    RECT ink;      // the text's cell, likewise
    int shift;     // how much further right the window system draws it than Wine does
};

// Every static text, check box and push button that shows a text; a window
// at this DPI draws its check boxes' boxes at 12 pixels per 96 DPI, plus one.
std::vector<LaidOutText> LaidOutTexts(HWND dialog, UINT dpi);

// Every text fits its control (its cell inside, no ink of it cut off), and
// no two texts' cells overlap. Where the dialog is wider than the window
// system lays out its template, `templateWidth` units wide, some text's cell
// would reach past its control there.
void ExpectTextsFitAndApart(HWND dialog, UINT dpi, int templateWidth);
// The same for texts drawn by the code at these cells.
void ExpectTextsApart(const std::vector<LaidOutText>& texts);

// The display scales that the windows are laid out for: 100 %, 125 %, 150 %
// and 200 %.
inline constexpr UINT kScales[] = {96, 120, 144, 192};

// Sends the dialog WM_DPICHANGED for each scale, with its window rectangle
// scaled from this DPI as the suggested one, and checks that it takes that
// rectangle, shows a font of its own face at the new DPI and keeps every
// control inside its client area with every text fitting; back at this DPI,
// everything stands where it stood. The dialog may run on another thread.
// Each new layout may be checked further by the caller.
void ExpectLaidOutAgainForEachScale(HWND dialog, UINT dpi,
                                    const std::function<void(UINT scale)>& alsoCheck = {});

// A template's x, y, width and height in dialog units as the dialog lays
// them out, in client pixels, each on its own: as the window system maps
// them, except across in a dialog widened for its labels: in proportion to
// its client area, `templateWidth` units wide.
RECT MapTemplateRect(HWND dialog, int templateWidth, const RECT& units);

bool Overlap(const RECT& a, const RECT& b);
std::string Describe(const RECT& rect);
