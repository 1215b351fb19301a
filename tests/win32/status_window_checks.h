#pragma once

#include <windows.h>

#include <climits>
#include <string>
#include <vector>

#include "windows/first_run_layout.h"

// Checks that the control dialog and the two status windows share: where
// they open and save their position, their frame, controls and colours.

// An expected coordinate that the window takes from its place in the
// first-run layout.
constexpr int kFirstRun = INT_MIN;

// A stored position (texts of the two keys, null for a missing key) and
// where the window must then open.
struct PositionCase {
    const char* x;
    const char* y;
    int expectedX;
    int expectedY;

    // Starts the settings file afresh with the two keys.
    void WriteSettings(const char* keyX, const char* keyY) const;
    std::string Describe() const;
};

// Where the first-run layout puts the window on the main screen.
windows::PixelPoint FirstRunPosition(HWND window, windows::ModuleWindow which);
// The window's top-left corner is where the case expects it.
void ExpectOpenedAt(HWND window, windows::ModuleWindow which, const PositionCase& expected);

// Caption, system menu, top-most, the module's icon; resizable or not.
void ExpectStatusWindowFrame(HWND window, bool resizable);
// A dialog and its template's width in dialog units (MapTemplateRect).
struct DialogTemplate {
    HWND dialog;
    int width;
};
// The client area of the template, this many units high; as wide as the
// window system maps its width, or wider for the labels.
void ExpectDialogClientSize(const DialogTemplate& dialog, int height);

// A control's rectangle in dialog units.
struct DluRect {
    int x, y, width, height;
};
void ExpectPlacedAt(const DialogTemplate& dialog, HWND control, const DluRect& place);
// A button-class control with this text, button type and place.
void ExpectControl(const DialogTemplate& dialog, int id, const char* text, const DluRect& place,
                   LONG type);
// The dialog's static texts in template order.
std::vector<HWND> StaticControls(HWND dialog);

// Moves the window (just opened with no position stored) vertically,
// horizontally, then both ways, and checks after each pointer movement over
// it that the settings file holds exactly the moved keys.
void ExpectPositionSaving(HWND window, const char* keyX, const char* keyY);

// Every control colour message of the window gives its pale brush, black
// text on the text background; its background is painted in that colour.
void ExpectStatusColours(HWND window, int controlId);
