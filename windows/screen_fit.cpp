#include "windows/screen_fit.h"

#include <algorithm>
#include <cstdint>

namespace windows {

namespace {

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    return PixelRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
}

int64_t SharedArea(const PixelRect& a, const PixelRect& b) {
    const PixelRect shared = Intersection(a, b);
    if (shared.Width() <= 0 || shared.Height() <= 0) {
        return 0;
    }
    return int64_t{shared.Width()} * shared.Height();
}

// How far apart two rectangles are along one axis: 0 where they overlap.
int64_t Separation(int aLow, int aHigh, int bLow, int bHigh) {
    return std::max<int64_t>({0, int64_t{bLow} - aHigh, int64_t{aLow} - bHigh});
}

int64_t SquaredDistance(const PixelRect& a, const PixelRect& b) {
    const int64_t dx = Separation(a.left, a.right, b.left, b.right);
    const int64_t dy = Separation(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

// The lowest start that keeps [start, start + length) inside [low, high), or
// low when the length does not fit.
int MoveInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

bool TitleBarReachable(const PixelRect& window, int titleBar,
                       const std::vector<PixelRect>& workAreas) {
    const PixelRect bar{window.left, window.top, window.right, window.top + titleBar};
    for (const PixelRect& area : workAreas) {
        const PixelRect visible = Intersection(bar, area);
        if (visible.Width() >= 2 * titleBar && 2 * visible.Height() >= titleBar) {
            return true;
        }
    }
    return false;
}

PixelRect NearestWorkArea(const PixelRect& window, const std::vector<PixelRect>& workAreas) {
    if (workAreas.empty()) {
        return window;
    }
    const auto nearer = [&](const PixelRect& a, const PixelRect& b) {
        const int64_t sharedA = SharedArea(window, a);
        const int64_t sharedB = SharedArea(window, b);
        if (sharedA != sharedB) {
            return sharedA > sharedB;
        }
        return SquaredDistance(window, a) < SquaredDistance(window, b);
    };
    return *std::min_element(workAreas.begin(), workAreas.end(), nearer);
}

PixelPoint ReachablePosition(const PixelRect& window, int titleBar,
                             const std::vector<PixelRect>& workAreas) {
    if (workAreas.empty() || TitleBarReachable(window, titleBar, workAreas)) {
        return PixelPoint{window.left, window.top};
    }
    const PixelRect area = NearestWorkArea(window, workAreas);
    return PixelPoint{MoveInside(window.left, window.Width(), area.left, area.right),
                      MoveInside(window.top, window.Height(), area.top, area.bottom)};
}

}  // namespace windows
