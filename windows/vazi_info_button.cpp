#include "windows/vazi_info_button.h"

#include "platform/win32/gdi_object.h"
#include "platform/win32/mem_dc.h"
#include "windows/refresh_cycle.h"

namespace windows {

namespace {

void Execute(HDC dc, const DrawOp& op) {
    if (op.kind == DrawOp::kFill) {
        const RECT rect{op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
        platform::CBrush brush(
            CreateSolidBrush(RGB(op.colour.red, op.colour.green, op.colour.blue)));
        FillRect(dc, &rect, brush.Get());
    } else {
        TextOutA(dc, op.rect.left, op.rect.top, op.text.data(), static_cast<int>(op.text.size()));
    }
}

// The font the window gave the button: the window system's 8-point dialog
// font, for the window's DPI. In a memory context's own default, a bold
// system font, prefixes of four characters and more fill the DXCC grid's
// 40-pixel cells and run into the next one.
HGDIOBJ ButtonFont(HWND button) {
    if (HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0))) {
        return font;
    }
    return GetStockObject(DEFAULT_GUI_FONT);
}

}  // namespace

void CVaZiInfoButton::DrawItem(const DRAWITEMSTRUCT& item) {
    // The data is copied first: the store's lock is never held while drawing.
    const StatusButtonData data = m_Refresh.SnapshotStatusButton();
    const RECT& r = item.rcItem;
    const std::vector<DrawOp> ops =
        LayoutStatusButton(data, {r.left, r.top, r.right, r.bottom}, static_cast<int>(m_Dpi));

    platform::CMemDC mem(item.hDC);
    const HDC dc = mem.GetSafeHdc();
    // Both views in the one font; the target's own is put back, in case the
    // drawing went straight to it.
    const HGDIOBJ previousFont = SelectObject(dc, ButtonFont(item.hwndItem));
    SetBkMode(dc, TRANSPARENT);
    for (const DrawOp& op : ops) {
        Execute(dc, op);
    }
    SelectObject(dc, previousFont);
}

}  // namespace windows
