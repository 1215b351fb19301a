#include "host/simulator/window_capture.h"

namespace {

// The rectangle of the source context whose top-left corner is (x, y).
RgbImage CaptureFrom(HDC source, int x, int y, int width, int height) {
    RgbImage image;
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
        SelectObject(memory, old);
        image.width = width;
        image.height = height;
        image.rgb.reserve(static_cast<std::size_t>(width) * height * 3);
        const auto* pixels = static_cast<const uint8_t*>(bits);  // blue, green, red, unused
        for (int i = 0; i < width * height; ++i) {
            image.rgb.push_back(pixels[i * 4 + 2]);
            image.rgb.push_back(pixels[i * 4 + 1]);
            image.rgb.push_back(pixels[i * 4]);
        }
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return image;
}

}  // namespace

RgbImage CaptureWindow(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) {
        return RgbImage();
    }
    HDC source = GetWindowDC(window);
    RgbImage image = CaptureFrom(source, 0, 0, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(window, source);
    return image;
}

RgbImage CaptureScreen() {
    HDC screen = GetDC(nullptr);
    RgbImage image = CaptureFrom(
        screen, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    ReleaseDC(nullptr, screen);
    return image;
}
