#pragma once

#include <windows.h>

#include "platform/win32/handle_owner.h"

namespace platform {

// A GDI object (brush, bitmap, font, ...), deleted with its owner.
template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { DeleteObject(handle); }
};
template <typename GdiHandle>
using GdiObject = HandleOwner<GdiObjectTraits<GdiHandle>>;

using CBrush = GdiObject<HBRUSH>;
using CBitmap = GdiObject<HBITMAP>;
using CFont = GdiObject<HFONT>;

}  // namespace platform
