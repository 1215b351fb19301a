#include "windows/vazi_info_button.h"

#include "platform/gdi_object.h"
#include "platform/mem_dc.h"
#include "windows/status_button_layout.h"

namespace {

void Execute(HDC dc, const DrawOp& op) {
    if (op.kind == DrawOp::kFill) {
        const RECT rect{op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
        CBrush brush(CreateSolidBrush(RGB(op.colour.red, op.colour.green, op.colour.blue)));
        FillRect(dc, &rect, brush.Get());
    } else {
        TextOutA(dc, op.rect.left, op.rect.top, op.text.data(), static_cast<int>(op.text.size()));
    }
}

}  // namespace

void CVaZiInfoButton::DrawItem(const DRAWITEMSTRUCT& item) {
    // The data is copied first: the store's lock is never held while drawing.
    const StatusButtonData data = SnapshotStatusButtonData();
    const RECT& r = item.rcItem;
    const std::vector<DrawOp> ops = LayoutStatusButton(data, {r.left, r.top, r.right, r.bottom});

    CMemDC mem(item.hDC);
    SetBkMode(mem.GetSafeHdc(), TRANSPARENT);
    for (const DrawOp& op : ops) {
        Execute(mem.GetSafeHdc(), op);
    }
}
