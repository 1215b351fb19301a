#include "windows/first_run_layout.h"

#include <algorithm>

namespace windows {

namespace {

// Between the windows, and between them and the work area's edges.
constexpr int kGap = 10;

bool LayOutInRows(const PixelRect& work, const ModuleFrames& frames, ModuleOrigins& origins) {
    const int rowLeft = work.left + kGap;
    int rowBottom = work.bottom - kGap;
    int rowHeight = 0;
    int x = rowLeft;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const FrameSize& frame = frames[i];
        if (x > rowLeft && x + frame.width > work.right - kGap) {
            rowBottom -= rowHeight + kGap;
            rowHeight = 0;
            x = rowLeft;
        }
        const int top = rowBottom - frame.height;
        if (x + frame.width > work.right - kGap || top < work.top + kGap) {
            return false;
        }
        origins[i] = PixelPoint{x, top};
        x += frame.width + kGap;
        rowHeight = std::max(rowHeight, frame.height);
    }
    return true;
}

ModuleOrigins Cascade(const PixelRect& work, const ModuleFrames& frames) {
    int step = 0;
    for (const FrameSize& frame : frames) {
        step = std::max(step, frame.titleBar);
    }
    ModuleOrigins origins{};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int offset = kGap + static_cast<int>(i) * step;
        origins[i] = PixelPoint{work.left + offset, work.top + offset};
    }
    return origins;
}

}  // namespace

ModuleOrigins FirstRunLayout(const PixelRect& workArea, const ModuleFrames& frames) {
    ModuleOrigins origins{};
    if (LayOutInRows(workArea, frames, origins)) {
        return origins;
    }
    return Cascade(workArea, frames);
}

}  // namespace windows
