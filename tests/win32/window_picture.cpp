#include "tests/win32/window_picture.h"

#include <fstream>
#include <functional>

#include "tests/win32/wine_path.h"

WindowPicture::WindowPicture(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HDC windowDc = GetWindowDC(window);
    Draw(rect.right - rect.left, rect.bottom - rect.top, [&](HDC picture, int width, int height) {
        BitBlt(picture, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    });
    ReleaseDC(window, windowDc);
}

WindowPicture WindowPicture::PrintedClient(HWND window, int width, int height) {
    WindowPicture picture;
    picture.Draw(width, height, [&](HDC dc, int, int) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                     PRF_CLIENT | PRF_ERASEBKGND);
    });
    return picture;
}

void WindowPicture::Draw(int width, int height, const std::function<void(HDC, int, int)>& paint) {
    m_Width = width;
    m_Height = height;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_Width;
    info.bmiHeader.biHeight = -m_Height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memoryDc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memoryDc, bitmap);
        paint(memoryDc, m_Width, m_Height);
        GdiFlush();
        const uint32_t* pixels = static_cast<const uint32_t*>(bits);
        m_Pixels.assign(pixels, pixels + static_cast<std::size_t>(m_Width) * m_Height);
        SelectObject(memoryDc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memoryDc);
}

COLORREF WindowPicture::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_Width || y >= m_Height || m_Pixels.empty()) {
        return CLR_INVALID;
    }
    const uint32_t pixel = m_Pixels[static_cast<std::size_t>(y) * m_Width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int WindowPicture::CountOtherThan(COLORREF colour, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += Pixel(x, y) != colour;
        }
    }
    return count;
}

bool WindowPicture::SaveBmp(const std::string& path) const {
    if (m_Pixels.empty()) {
        return false;
    }
    const DWORD imageSize = static_cast<DWORD>(m_Pixels.size() * sizeof(uint32_t));
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageSize;
    header.biSize = sizeof header;
    header.biWidth = m_Width;
    header.biHeight = -m_Height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = imageSize;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(m_Pixels.data()), imageSize);
    return static_cast<bool>(out);
}

std::string SaveScreenshot(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The runs at other display scales save theirs beside those at 100 %.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const std::string scale = dpi == 96 ? "" : "-" + std::to_string(dpi) + "dpi";
    const std::string path = WinePath(ARRL_SCREENSHOT_DIR) + "\\" + name + scale + ".bmp";
    return WindowPicture(window).SaveBmp(path) ? path : std::string();
}
