#pragma once

#include <windows.h>

#include "host/simulator/png_image.h"

// The window as it stands on the screen, frame and caption included.
RgbImage CaptureWindow(HWND window);

// The whole screen (every monitor's) as it stands.
RgbImage CaptureScreen();
