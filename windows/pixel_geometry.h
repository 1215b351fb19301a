#pragma once

namespace windows {

// Rectangles and points in screen or window pixels, apart from the window
// system's own types so that layouts can be worked out and tested anywhere.

// A rectangle in pixels, right and bottom exclusive.
struct PixelRect {
    int left, top, right, bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct PixelPoint {
    int x, y;
    bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};

}  // namespace windows
