#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A window as it stands on the screen, frame and caption included, read back
// pixel by pixel; for checking an owner-drawn control's colours and for
// screenshots.
class WindowPicture {
public:
    explicit WindowPicture(HWND window);
    // The window's client area as it paints itself (WM_PRINTCLIENT) into a
    // picture of this size, whatever part of it the screen shows.
    static WindowPicture PrintedClient(HWND window, int width, int height);

    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    // The colour at (x, y) from the window's top-left corner.
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle are not of this colour.
    int CountOtherThan(COLORREF colour, const RECT& area) const;

    // Writes the picture as a 32-bit BMP file; false when it cannot.
    bool SaveBmp(const std::string& path) const;

private:
    WindowPicture() = default;
    // A picture of this size, painted by the function into a memory context.
    void Draw(int width, int height, const std::function<void(HDC, int, int)>& paint);

    int m_Width = 0;
    int m_Height = 0;
    std::vector<uint32_t> m_Pixels;  // top-down rows of 0x00RRGGBB
};

// Saves a screenshot of the window among the test run's artefacts, as
// <name>.bmp in the screenshot folder of the build tree (turned into PNG
// files after the run), <name>-<DPI>dpi.bmp at other scales than 100 %; the
// file's path, empty when it could not be written.
std::string SaveScreenshot(HWND window, const std::string& name);
