// The off-screen surface of the owner-drawn button.
#include <gtest/gtest.h>

#include "platform/win32/gdi_object.h"
#include "platform/win32/mem_dc.h"

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT rect{left, top, right, bottom};
    CBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

// A 100 x 80 bitmap, compatible with the screen, painted white.
class Canvas {
public:
    Canvas() {
        HDC screen = GetDC(nullptr);
        m_Dc = CreateCompatibleDC(screen);
        m_Bitmap.Reset(CreateCompatibleBitmap(screen, 100, 80));
        ReleaseDC(nullptr, screen);
        m_Old = SelectObject(m_Dc, m_Bitmap.Get());
        Fill(m_Dc, 0, 0, 100, 80, kWhite);
    }
    ~Canvas() {
        SelectObject(m_Dc, m_Old);
        DeleteDC(m_Dc);
    }
    HDC Dc() const { return m_Dc; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_Dc, x, y); }

private:
    HDC m_Dc;
    CBitmap m_Bitmap;
    HGDIOBJ m_Old;
};

}  // namespace

TEST(MemDC, DrawsOffScreenInTargetCoordinatesAndCopiesTheClipBoxAtTheEnd) {
    Canvas canvas;
    IntersectClipRect(canvas.Dc(), 10, 20, 60, 50);
    {
        CMemDC mem(canvas.Dc());
        ASSERT_TRUE(mem.IsOffScreen());
        EXPECT_NE(canvas.Dc(), mem.GetSafeHdc());
        const RECT& area = mem.Area();
        EXPECT_EQ(10, area.left);
        EXPECT_EQ(20, area.top);
        EXPECT_EQ(60, area.right);
        EXPECT_EQ(50, area.bottom);
        Fill(mem.GetSafeHdc(), 0, 0, 100, 80, kRed);
        Fill(mem.GetSafeHdc(), 10, 20, 12, 22, kBlue);
        EXPECT_EQ(kWhite, canvas.Pixel(30, 30)) << "nothing reaches the target before the end";
    }
    SelectClipRgn(canvas.Dc(), nullptr);
    struct Case {
        int x, y;
        COLORREF expected;
    } const cases[] = {
        {10, 20, kBlue},  {11, 21, kBlue},  {12, 22, kRed},  {30, 30, kRed},   {59, 49, kRed},
        {60, 49, kWhite}, {59, 50, kWhite}, {9, 20, kWhite}, {10, 19, kWhite}, {5, 5, kWhite},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, canvas.Pixel(c.x, c.y)) << "at " << c.x << "," << c.y;
    }
}

TEST(MemDC, NothingToPaintDrawsStraightToTheTarget) {
    Canvas canvas;
    IntersectClipRect(canvas.Dc(), 10, 10, 10, 10);
    CMemDC mem(canvas.Dc());
    EXPECT_FALSE(mem.IsOffScreen());
    EXPECT_EQ(canvas.Dc(), mem.GetSafeHdc());
}
