// The owners of Win32 handles: each closes what it holds once, when it goes
// or takes another, and nothing it has handed over or moved away.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/win32/gdi_object.h"
#include "platform/win32/handle_owner.h"
#include "tests/common/scratch_dir.h"

using namespace platform;

namespace {

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

HANDLE NewEvent() {
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

}  // namespace

TEST(HandleOwner, ClosesWhatItHoldsWhenItGoes) {
    const HANDLE event = NewEvent();
    ASSERT_TRUE(IsOpen(event));
    {
        const CHandle owner(event);
        EXPECT_TRUE(owner);
        EXPECT_EQ(event, owner.Get());
    }
    EXPECT_FALSE(IsOpen(event));

    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(brush));
    { const CBrush owner(brush); }
    EXPECT_EQ(0u, GetObjectType(brush)) << "the brush is still there";
}

TEST(HandleOwner, ResetClosesTheHandleHeldBefore) {
    const HANDLE first = NewEvent();
    const HANDLE second = NewEvent();
    CHandle owner(first);
    owner.Reset(second);
    EXPECT_FALSE(IsOpen(first));
    EXPECT_TRUE(IsOpen(second));
    owner.Reset();
    EXPECT_FALSE(IsOpen(second));
    EXPECT_FALSE(owner);
}

TEST(HandleOwner, AHandleHandedOverStaysOpen) {
    const HANDLE event = NewEvent();
    {
        CHandle owner(event);
        EXPECT_EQ(event, owner.Release());
        EXPECT_FALSE(owner);
    }
    EXPECT_TRUE(IsOpen(event));
    CloseHandle(event);
}

TEST(HandleOwner, MovesLeaveOneOwnerThatClosesOnce) {
    const HANDLE event = NewEvent();
    std::vector<CHandle> owners;
    {
        CHandle first(event);
        CHandle second;
        second = std::move(first);
        EXPECT_FALSE(first);
        owners.push_back(std::move(second));
        owners.emplace_back();  // the list grows: its owners move again
        owners.emplace_back();
    }
    EXPECT_TRUE(IsOpen(event)) << "an owner moved from closed it";
    EXPECT_EQ(event, owners.front().Get());
    owners.clear();
    EXPECT_FALSE(IsOpen(event));
}

TEST(HandleOwner, AFileSearchThatFailedHoldsNothing) {
    ScratchDir dir;
    WIN32_FIND_DATAA found;
    const CFindHandle none(FindFirstFileA("*.exe", &found));
    EXPECT_FALSE(none);
    EXPECT_EQ(INVALID_HANDLE_VALUE, none.Get());
    WriteFileBytes("Vexo.exe", "");
    const CFindHandle search(FindFirstFileA("*.exe", &found));
    EXPECT_TRUE(search);
    EXPECT_STREQ("Vexo.exe", found.cFileName);
}
