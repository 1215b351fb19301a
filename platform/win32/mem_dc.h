#pragma once

#include <windows.h>

namespace platform {

// An off-screen surface over the part of a device context that needs
// painting (its clip box). Drawing goes to GetSafeHdc() in the target's own
// coordinates; the destructor copies the picture to the target in one step,
// so repeated repaints do not flicker. Where no off-screen bitmap can be made
// (nothing to paint, or out of memory) drawing goes straight to the target.
class CMemDC {
public:
    explicit CMemDC(HDC target);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC GetSafeHdc() const { return m_bMemDC ? m_hDC : m_pDC; }
    const RECT& Area() const { return m_rect; }
    bool IsOffScreen() const { return m_bMemDC; }

private:
    bool OpenSurface();

    HDC m_hDC = nullptr;            // the memory context
    HBITMAP m_bitmap = nullptr;     // the off-screen bitmap, owned
    HGDIOBJ m_oldBitmap = nullptr;  // selected before it, restored at the end
    HDC m_pDC;                      // the target, not owned
    RECT m_rect{};                  // the target's clip box
    bool m_bMemDC = false;          // drawing goes to the off-screen bitmap
};

}  // namespace platform
