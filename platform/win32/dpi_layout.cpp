#include "platform/win32/dpi_layout.h"

#include <utility>

#include "platform/win32/window_dpi.h"

namespace {

constexpr int kPointsPerInch = 72;
// The letters whose average width is a font's character width in dialogs.
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// A control's rectangle in its dialog's client pixels. A combo box's height
// is that of its dropped list, as its template gives it.
RECT PlaceOf(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "ComboBox") == 0) {
        SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
    }
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Pixels back to dialog units: exact, since a unit is at least a pixel wide.
int ToUnits(LONG pixels, int pixelsPerUnits, int units) {
    return MulDiv(pixels, units, pixelsPerUnits);
}

}  // namespace

void DpiLayout::Start(HWND dialog) {
    m_Dpi = WindowDpi(dialog);
    m_FirstDpi = m_Dpi;
}

DpiLayout::Units DpiLayout::UnitsOf(HWND dialog, HFONT font) {
    HDC dc = GetDC(dialog);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SIZE alphabet{};
    GetTextExtentPoint32A(dc, kAlphabet, static_cast<int>(sizeof kAlphabet - 1), &alphabet);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    return Units{(alphabet.cx / 26 + 1) / 2, metrics.tmHeight};
}

void DpiLayout::TakeTemplatePlaces(HWND dialog) {
    m_HaveTemplatePlaces = true;
    m_FirstFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (!m_FirstFont || !GetObjectA(m_FirstFont, sizeof m_FirstLogFont, &m_FirstLogFont)) {
        m_FirstFont = nullptr;
        return;
    }
    m_PointSize = MulDiv(-m_FirstLogFont.lfHeight, kPointsPerInch, static_cast<int>(m_FirstDpi));
    // The units the window system laid the template out in.
    RECT mapped{0, 0, 4, 8};
    MapDialogRect(dialog, &mapped);
    const Units units{mapped.right, mapped.bottom};
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT r = PlaceOf(dialog, control);
        m_Places.push_back(Place{control, ToUnits(r.left, units.x, 4), ToUnits(r.top, units.y, 8),
                                 ToUnits(r.right - r.left, units.x, 4),
                                 ToUnits(r.bottom - r.top, units.y, 8)});
    }
}

void DpiLayout::SetFontOfEveryControl(HWND dialog, HFONT font) const {
    SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const Place& place : m_Places) {
        SendMessageA(place.control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

CFont DpiLayout::FontFor(UINT dpi) const {
    CFont font;
    if (m_FirstFont && dpi != m_FirstDpi) {
        LOGFONTA scaled = m_FirstLogFont;
        scaled.lfHeight = -MulDiv(m_PointSize, static_cast<int>(dpi), kPointsPerInch);
        scaled.lfWidth = 0;
        font.Reset(CreateFontIndirectA(&scaled));
    }
    return font;
}

bool DpiLayout::SizeFor(HWND dialog, UINT dpi, SIZE& size) {
    if (!m_HaveTemplatePlaces) {
        TakeTemplatePlaces(dialog);
    }
    if (!m_FirstFont || dpi == 0) {
        return false;
    }
    RECT window;
    RECT client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const Units now = UnitsOf(dialog, Shown(m_Font));
    const CFont font = FontFor(dpi);
    const Units then = UnitsOf(dialog, Shown(font));
    size.cx = MulDiv(ToUnits(client.right, now.x, 4), then.x, 4) +
              (window.right - window.left - client.right);
    size.cy = MulDiv(ToUnits(client.bottom, now.y, 8), then.y, 8) +
              (window.bottom - window.top - client.bottom);
    return true;
}

void DpiLayout::Apply(HWND dialog, UINT dpi, const RECT& suggested) {
    if (dpi == 0) {
        return;
    }
    if (!m_HaveTemplatePlaces) {
        TakeTemplatePlaces(dialog);
    }
    m_Dpi = dpi;
    if (m_FirstFont) {
        // The controls take the new font before the one they had is deleted.
        CFont font = FontFor(dpi);
        SetFontOfEveryControl(dialog, Shown(font));
        m_Font = std::move(font);
        // Places and sizes are mapped each on their own, as the template's.
        const Units units = UnitsOf(dialog, Shown(m_Font));
        for (const Place& p : m_Places) {
            MoveWindow(p.control, MulDiv(p.x, units.x, 4), MulDiv(p.y, units.y, 8),
                       MulDiv(p.width, units.x, 4), MulDiv(p.height, units.y, 8), FALSE);
        }
    }
    SetWindowPos(dialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
