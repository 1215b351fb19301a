#pragma once

#include <windows.h>

#include <vector>

#include "windows/first_run_layout.h"
#include "windows/window_position.h"

namespace windows {

// Where the module's windows stand: each opens at its stored position and
// stays on top; the pointer moving over it stores where it has been moved to.

// Loads the window's position into the shared position from its keys. A key
// that is missing (or 0) takes the window's place in the first-run layout on
// the main screen's work area; a position where the title bar could not be
// taken hold of on any screen becomes the nearest one inside a work area.
void LoadWindowPosition(WindowPosition& position, HWND window, ModuleWindow which);

// Moves the window's top-left corner to the loaded position, keeping its
// size and z-order, then makes it top-most without moving, sizing or
// activating it.
void MoveToLoadedPosition(const WindowPosition& position, HWND window);

// Writes the window's left and top under its keys where they differ from the
// last position that any of the module's windows loaded or saved.
void SaveWindowPosition(WindowPosition& position, HWND window, ModuleWindow which);

// Gives the window the module's icon as its large icon.
void SetModuleIcon(HWND window);

// The outer sizes of the module's three windows as their templates make them,
// measured in the font of this open one of them (all three name the same font).
ModuleFrames ModuleWindowFrames(HWND oneOfThem);

// The height of the window's title bar with the frame above it.
int TitleBarHeight(HWND window);

// The work area of the main screen, and those of every screen attached.
PixelRect MainWorkArea();
std::vector<PixelRect> ScreenWorkAreas();

}  // namespace windows
