// Where the module's windows open when none of their positions is stored.
#include <gtest/gtest.h>

#include "windows/first_run_layout.h"

using namespace windows;

namespace {

// The frames as Wine draws the three templates with its dialog font.
const ModuleFrames kFrames = {{
    {270, 113, 22},  // control dialog
    {432, 217, 23},  // DXCC window
    {358, 353, 22},  // State/Province window
}};

PixelRect Frame(const ModuleOrigins& origins, std::size_t i) {
    return PixelRect{origins[i].x, origins[i].y, origins[i].x + kFrames[i].width,
                     origins[i].y + kFrames[i].height};
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

TEST(FirstRunLayout, PlacesTheWindowsSideBySideAlongTheBottomOrInRowsOrACascade) {
    struct Case {
        const char* name;
        PixelRect work;
        ModuleOrigins expected;
    } const cases[] = {
        {"1280x1024: one row", {0, 0, 1280, 1024}, {{{10, 901}, {290, 797}, {732, 661}}}},
        {"1920x1080: one row", {0, 0, 1920, 1080}, {{{10, 957}, {290, 853}, {732, 717}}}},
        {"1024x768: the State/Province window above the others",
         {0, 0, 1024, 768},
         {{{10, 645}, {290, 541}, {10, 178}}}},
        {"800x600: the second row just fits",
         {0, 0, 800, 600},
         {{{10, 477}, {290, 373}, {10, 10}}}},
        {"a screen left of the main one, its task bar at the top",
         {-1280, 30, 0, 1024},
         {{{-1270, 901}, {-990, 797}, {-548, 661}}}},
        {"640x480: a cascade", {0, 0, 640, 480}, {{{10, 10}, {33, 33}, {56, 56}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModuleOrigins origins = FirstRunLayout(c.work, kFrames);
        for (std::size_t i = 0; i < origins.size(); ++i) {
            EXPECT_EQ(c.expected[i], origins[i])
                << "window " << i << " at " << origins[i].x << "," << origins[i].y;
        }
    }
}

TEST(FirstRunLayout, NoWindowCoversATitleBarWhereverTheScreenLetsThemAllIn) {
    for (int width = 600; width <= 2600; width += 37) {
        for (int height = 400; height <= 1600; height += 41) {
            SCOPED_TRACE(testing::Message() << width << "x" << height);
            const PixelRect work{-7, 25, width - 7, height + 25};
            const ModuleOrigins origins = FirstRunLayout(work, kFrames);
            const bool roomy = width >= 800 && height >= 600;
            for (std::size_t i = 0; i < origins.size(); ++i) {
                const PixelRect frame = Frame(origins, i);
                const PixelRect bar{frame.left, frame.top, frame.right,
                                    frame.top + kFrames[i].titleBar};
                ASSERT_TRUE(Inside(bar, work) || !roomy) << "window " << i;
                ASSERT_TRUE(Inside(frame, work) || !roomy) << "window " << i;
                for (std::size_t other = 0; other < origins.size(); ++other) {
                    // In a cascade the windows opened later leave the bar free.
                    const bool mayCover = roomy ? other != i : other > i;
                    ASSERT_FALSE(mayCover && Overlap(Frame(origins, other), bar))
                        << "window " << other << " over the title bar of window " << i;
                }
                ASSERT_GE(frame.left, work.left) << "window " << i;
                ASSERT_GE(frame.top, work.top) << "window " << i;
            }
        }
    }
}
