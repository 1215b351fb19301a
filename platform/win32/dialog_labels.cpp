#include "platform/win32/dialog_labels.h"

#include <algorithm>

#include "platform/display_scale.h"

namespace platform {

namespace {

// A push button's text keeps clear of its raised edge and of the focus
// rectangle inside it, on either side.
constexpr int kPushButtonMargin = 3;

bool IsStaticText(DWORD style) {
    const DWORD type = style & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
           type == SS_LEFTNOWORDWRAP;
}

bool IsCheckBox(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// Where a check box's text starts: after the square, 12 pixels per 96 DPI
// and one, half a digit's width and one more pixel.
int CheckBoxTextLeft(HDC dc, UINT dpi) {
    INT digit = 0;
    GetCharWidth32A(dc, '0', '0', &digit);
    return ScalePixels(12, static_cast<int>(dpi)) + 1 + digit / 2 + 1;
}

// The text's cell ends after its width. The ink of its last glyph may reach
// past that, and a label may need `after` pixels more: a check box's focus
// rectangle ends a pixel after the cell, a push button's margins lie on
// either side of its centred text.
LabelRoom TextRoom(HDC dc, const std::string& text, int left, int units, int after) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ABC last{};
    const UINT lastChar = static_cast<unsigned char>(text.back());
    const int overhang = GetCharABCWidthsA(dc, lastChar, lastChar, &last) ? -last.abcC : 0;
    const int cell = left + static_cast<int>(size.cx);
    return LabelRoom{units, cell, cell + std::max(overhang, after)};
}

LabelRoom RoomOf(HDC dc, UINT dpi, const DialogLabel& label) {
    switch (label.kind) {
        case DialogLabel::kCheckBox:
            return TextRoom(dc, label.text, CheckBoxTextLeft(dc, dpi), label.units, 1);
        case DialogLabel::kPushButton:
            return TextRoom(dc, label.text, 0, label.units, 2 * kPushButtonMargin);
        default:
            return TextRoom(dc, label.text, 0, label.units, 0);
    }
}

}  // namespace

bool IsLabel(const char* className, DWORD style, DialogLabel::Kind& kind) {
    if (lstrcmpiA(className, "Static") == 0 && IsStaticText(style)) {
        kind = DialogLabel::kStatic;
        return true;
    }
    if (lstrcmpiA(className, "Button") != 0) {
        return false;
    }
    const DWORD type = style & BS_TYPEMASK;
    if (IsCheckBox(type)) {
        kind = DialogLabel::kCheckBox;
        return true;
    }
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        kind = DialogLabel::kPushButton;
        return true;
    }
    return false;
}

std::vector<LabelRoom> LabelRooms(HWND window, HFONT font, UINT dpi,
                                  const std::vector<DialogLabel>& labels) {
    std::vector<LabelRoom> rooms;
    HDC dc = GetDC(window);
    const HGDIOBJ old = SelectObject(dc, font);
    for (const DialogLabel& label : labels) {
        if (!label.text.empty()) {
            rooms.push_back(RoomOf(dc, dpi, label));
        }
    }
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return rooms;
}

}  // namespace platform
