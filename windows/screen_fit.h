#pragma once

#include <vector>

#include "windows/pixel_geometry.h"

namespace windows {

// Keeping a window where the operator can take hold of it by its title bar,
// whatever screens were attached when its position was stored.

// Whether a piece of the title bar (the window's top titleBar pixels) at least
// twice as wide as the bar is high, and half as high, lies in one of the work
// areas: the icon and the close box take about a bar's height at either end.
bool TitleBarReachable(const PixelRect& window, int titleBar,
                       const std::vector<PixelRect>& workAreas);

// The work area that shares the most pixels with the window; where it shares
// none with any, the closest one. The window's own rectangle when there is no
// work area at all.
PixelRect NearestWorkArea(const PixelRect& window, const std::vector<PixelRect>& workAreas);

// Where the window goes: where it is when its title bar can be reached, else
// just inside the nearest work area, moved as little as it takes (a window
// larger than the area keeps its top-left corner in it).
PixelPoint ReachablePosition(const PixelRect& window, int titleBar,
                             const std::vector<PixelRect>& workAreas);

}  // namespace windows
