#pragma once

#include <array>

#include "windows/pixel_geometry.h"

namespace windows {

// Where the module's three windows open when no position of theirs is
// stored: all inside the work area, and none over another's title bar.

// The module's windows in the order in which the layout sets them down, the
// order in which they usually open: the control dialog, then the DXCC window
// and the State/Province window that the first refresh opens.
enum ModuleWindow { kSetupWindow, kDxccWindow, kStatProvWindow, kModuleWindowCount };

// A window's outer size and the height of its title bar with the frame above
// it, in pixels.
struct FrameSize {
    int width, height, titleBar;
};

using ModuleFrames = std::array<FrameSize, kModuleWindowCount>;
using ModuleOrigins = std::array<PixelPoint, kModuleWindowCount>;

// Side by side along the bottom of the work area from its left, 10 pixels
// apart and from the edges; a window that does not fit beside the others
// starts a row above them. Where the rows do not fit either, a cascade from
// the top-left corner, each window one title bar lower and further right than
// the one before, so that the later ones, opened above, leave the earlier
// ones' title bars free.
ModuleOrigins FirstRunLayout(const PixelRect& workArea, const ModuleFrames& frames);

}  // namespace windows
