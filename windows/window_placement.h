#pragma once

#include <windows.h>

// Where the module's windows stand: each opens at its stored position and
// stays on top; the pointer moving over it stores where it has been moved to.

// Moves the window's top-left corner to (g_SetupX, g_SetupY), keeping its
// size and z-order, then makes it top-most without moving, sizing or
// activating it.
void MoveToLoadedPosition(HWND window);

// Writes the window's left and top under its keys where they differ from the
// last position that any of the module's windows loaded or saved.
void SaveWindowPosition(HWND window, const char* keyX, const char* keyY);

// Gives the window the module's icon as its large icon.
void SetModuleIcon(HWND window);
