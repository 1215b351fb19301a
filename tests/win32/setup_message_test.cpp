// SetupSet0's message box, shown by the real DLL and closed by a watcher.
#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "tests/common/module_exports.h"
#include "tests/win32/window_helpers.h"

TEST(SetupMessage, ShowsTheTextAndReturnsWhenClosed) {
    std::atomic<bool> closing{false};
    auto watcher =
        std::async(std::launch::async, [&] { return CloseNextMessageBox(10000, &closing); });
    Module().SetupSet0();
    EXPECT_TRUE(closing) << "returned before the box was closed";
    const MessageBoxSeen seen = watcher.get();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ("No additional setup for this contest", seen.text);
    EXPECT_EQ("Error", seen.title) << "no title of its own: the system's default";
    EXPECT_EQ(1, seen.buttons);
    EXPECT_FALSE(seen.hasInformationIcon);
}
