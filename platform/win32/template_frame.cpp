#include "platform/win32/template_frame.h"

#include <cstring>
#include <vector>

#include "platform/win32/template_labels.h"
#include "platform/win32/window_dpi.h"

namespace platform {

namespace {

// What the frame depends on, from either kind of template.
struct TemplateHeader {
    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0;
    short cy = 0;
};

template <typename T>
T ReadAt(const BYTE* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

bool ReadHeader(const BYTE* bytes, DWORD size, TemplateHeader& header) {
    // An extended template starts with its version, 1, and the signature 0xFFFF.
    constexpr DWORD kExtendedHeaderSize = 26;
    if (size >= kExtendedHeaderSize && ReadAt<WORD>(bytes, 2) == 0xFFFF) {
        header.exStyle = ReadAt<DWORD>(bytes, 8);
        header.style = ReadAt<DWORD>(bytes, 12);
        header.cx = ReadAt<short>(bytes, 22);
        header.cy = ReadAt<short>(bytes, 24);
        return true;
    }
    if (size >= sizeof(DLGTEMPLATE)) {
        const DLGTEMPLATE plain = ReadAt<DLGTEMPLATE>(bytes, 0);
        header.style = plain.style;
        header.exStyle = plain.dwExtendedStyle;
        header.cx = plain.cx;
        header.cy = plain.cy;
        return true;
    }
    return false;
}

}  // namespace

bool TemplateWindowRect(HINSTANCE module, int templateId, HWND sameFontDialog, RECT& rect) {
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    TemplateHeader header;
    if (!bytes || !ReadHeader(bytes, SizeofResource(module, resource), header)) {
        return false;
    }
    rect = RECT{0, 0, header.cx, header.cy};
    MapDialogRect(sameFontDialog, &rect);
    // As the dialog widens for its labels (dpi_layout.h).
    RECT unit{0, 0, 4, 8};
    MapDialogRect(sameFontDialog, &unit);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(sameFontDialog, WM_GETFONT, 0, 0));
    const std::vector<LabelRoom> rooms =
        LabelRooms(sameFontDialog, font, WindowDpi(sameFontDialog),
                   TemplateLabels(bytes, SizeofResource(module, resource)));
    rect.right = WidenForLabels(UnitsAcross{unit.right, 4}, header.cx, rooms).ToPixels(header.cx);
    // The dialog manager gives a modal frame its extended style.
    if (header.style & DS_MODALFRAME) {
        header.exStyle |= WS_EX_DLGMODALFRAME;
    }
    return AdjustWindowRectEx(&rect, header.style, FALSE, header.exStyle) != FALSE;
}

}  // namespace platform
