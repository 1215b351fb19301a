#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A window as it stands on the screen, frame and caption included, read back
// pixel by pixel; for checking an owner-drawn control's colours and for
// screenshots.
class WindowPicture {
public:
    explicit WindowPicture(HWND window);

    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    // The colour at (x, y) from the window's top-left corner.
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle are not of this colour.
    int CountOtherThan(COLORREF colour, const RECT& area) const;

    // Writes the picture as a 32-bit BMP file; false when it cannot.
    bool SaveBmp(const std::string& path) const;

private:
    int m_Width = 0;
    int m_Height = 0;
    std::vector<uint32_t> m_Pixels;  // top-down rows of 0x00RRGGBB
};

// Saves a screenshot of the window among the test run's artefacts, as
// <name>.bmp in the screenshot folder of the build tree (turned into PNG
// files after the run); the file's path, empty when it could not be written.
std::string SaveScreenshot(HWND window, const std::string& name);
