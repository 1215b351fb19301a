#include "platform/win32/mem_dc.h"

namespace platform {

CMemDC::CMemDC(HDC target) : m_pDC(target) {
    m_bMemDC = OpenSurface();
}

bool CMemDC::OpenSurface() {
    if (GetClipBox(m_pDC, &m_rect) == ERROR || IsRectEmpty(&m_rect)) {
        return false;
    }
    m_hDC = CreateCompatibleDC(m_pDC);
    if (!m_hDC) {
        return false;
    }
    m_bitmap =
        CreateCompatibleBitmap(m_pDC, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    if (!m_bitmap) {
        DeleteDC(m_hDC);
        m_hDC = nullptr;
        return false;
    }
    m_oldBitmap = SelectObject(m_hDC, m_bitmap);
    SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
    return true;
}

CMemDC::~CMemDC() {
    if (!m_bMemDC) {
        return;
    }
    BitBlt(m_pDC, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
           m_hDC, m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_hDC, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_hDC);
}

}  // namespace platform
