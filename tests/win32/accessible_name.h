#pragma once

#include <windows.h>

#include <string>

// The name that a screen reader reads for a window: through the system's
// default accessibility object of its client area, as a screen reader asks
// (AccessibleObjectFromWindow, then get_accName of the object itself), in
// the thread's code page; "<none>" when there is no such object or name.
// Call it from a thread that the window's thread does not wait for.
std::string AccessibleName(HWND window);
