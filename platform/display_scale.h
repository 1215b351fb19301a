#pragma once

namespace platform {

// The display scale as the window system gives it: dots per inch, 96 at 100 %.
constexpr int kBaseDpi = 96;

// A length in pixels at 96 DPI, for a window at this DPI: rounded to the
// nearest pixel, halves away from zero, as the window system's MulDiv does.
constexpr int ScalePixels(int pixels, int dpi) {
    const long long product = static_cast<long long>(pixels) * dpi;
    const long long half = kBaseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi
                                         : -((-product + half) / kBaseDpi));
}

}  // namespace platform
