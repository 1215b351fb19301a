// Keeping a window's title bar where the operator can take hold of it.
#include <gtest/gtest.h>

#include <vector>

#include "windows/screen_fit.h"

using namespace windows;

namespace {

constexpr int kTitleBar = 22;
const std::vector<PixelRect> kOneScreen = {{0, 0, 1280, 1024}};
// A second screen left of the main one, shorter, with its task bar at the top.
const std::vector<PixelRect> kTwoScreens = {{0, 0, 1920, 1050}, {-1280, 30, 0, 1024}};

PixelRect WindowAt(int x, int y, int width = 358, int height = 353) {
    return PixelRect{x, y, x + width, y + height};
}

}  // namespace

TEST(ScreenFit, TitleBarReachableWhenAPieceOfItLargeEnoughIsOnAScreen) {
    struct Case {
        int x, y;
        bool reachable;
    } const cases[] = {
        {10, 600, true},        {-5, -7, true},  // 15 of the bar's 22 rows on the screen
        {-5, -11, true},                         // half of them: 11
        {-5, -12, false},                        // 10
        {1280 - 44, 0, true},                    // twice the bar's height across
        {1280 - 43, 0, false},                   // only the close box and a little more
        {-358 + 44, 500, true}, {-358 + 43, 500, false}, {10, 1024 - 11, true},
        {10, 1024 - 10, false}, {3000, -500, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.x << "," << c.y);
        EXPECT_EQ(c.reachable, TitleBarReachable(WindowAt(c.x, c.y), kTitleBar, kOneScreen));
    }
    EXPECT_FALSE(TitleBarReachable(WindowAt(10, 10), kTitleBar, {}));
}

TEST(ScreenFit, AWindowOutOfReachMovesJustInsideTheNearestWorkArea) {
    struct Case {
        const char* name;
        PixelRect window;
        const std::vector<PixelRect>& screens;
        PixelPoint expected;
    } const cases[] = {
        {"reachable: unchanged", WindowAt(10, 600), kOneScreen, {10, 600}},
        {"reachable, the body below the screen: unchanged",
         WindowAt(10, 1000),
         kOneScreen,
         {10, 1000}},
        {"above and right of the screen", WindowAt(3000, -500), kOneScreen, {1280 - 358, 0}},
        {"right of the screen only", WindowAt(3000, 500), kOneScreen, {1280 - 358, 500}},
        {"its title bar above the screen", WindowAt(-5, -30, 432, 217), kOneScreen, {0, 0}},
        {"below the screen", WindowAt(200, 1500), kOneScreen, {200, 1024 - 353}},
        {"larger than the screen", WindowAt(-2000, -50, 1500, 1100), kOneScreen, {0, 0}},
        {"left of the main screen: onto the second one",
         WindowAt(-3000, 500),
         kTwoScreens,
         {-1280, 500}},
        {"over the second screen's task bar", WindowAt(-700, 0), kTwoScreens, {-700, 30}},
        {"below both screens, a corner on the main one: onto that one",
         WindowAt(-200, 1040),
         kTwoScreens,
         {0, 1050 - 353}},
        {"no screen at all", WindowAt(3000, -500), {}, {3000, -500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PixelPoint placed = ReachablePosition(c.window, kTitleBar, c.screens);
        EXPECT_EQ(c.expected, placed) << placed.x << "," << placed.y;
    }
}
