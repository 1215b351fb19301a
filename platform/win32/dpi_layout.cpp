#include "platform/win32/dpi_layout.h"

#include <utility>

#include "platform/win32/window_dpi.h"

namespace platform {

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

std::string TextOf(HWND control) {
    char text[256] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

}  // namespace

void DpiLayout::Start(HWND dialog) {
    m_Dpi = WindowDpi(dialog);
    m_FirstDpi = m_Dpi;
    TakeTemplatePlaces(dialog);
    if (m_FirstFont) {
        GiveTheLabelsRoom(dialog);
    }
}

void DpiLayout::GiveTheLabelsRoom(HWND dialog) {
    const Units units = UnitsFor(dialog, m_FirstFont, m_Dpi);
    if (units.x == UnitsOf(dialog, m_FirstFont).x) {
        return;  // as the window system laid the template out
    }
    PlaceControls(units);
    RECT window;
    RECT client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    SetWindowPos(dialog, nullptr, 0, 0,
                 units.x.ToPixels(m_ClientUnits) + (window.right - window.left - client.right),
                 window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    return Units{UnitsAcross{(alphabet.cx / 26 + 1) / 2, 4}, metrics.tmHeight};
}

DpiLayout::Units DpiLayout::UnitsFor(HWND dialog, HFONT font, UINT dpi) const {
    Units units = UnitsOf(dialog, font);
    units.x = WidenForLabels(units.x, m_ClientUnits, LabelRooms(dialog, font, dpi, m_Labels));
    return units;
}

void DpiLayout::TakeTemplatePlaces(HWND dialog) {
    m_FirstFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (!m_FirstFont || !GetObjectA(m_FirstFont, sizeof m_FirstLogFont, &m_FirstLogFont)) {
        m_FirstFont = nullptr;
        return;
    }
    m_PointSize = MulDiv(-m_FirstLogFont.lfHeight, kPointsPerInch, static_cast<int>(m_FirstDpi));
    // The units the window system laid the template out in.
    RECT mapped{0, 0, 4, 8};
    MapDialogRect(dialog, &mapped);
    const UnitsAcross across{mapped.right, 4};
    RECT client;
    GetClientRect(dialog, &client);
    m_ClientUnits = across.ToUnits(client.right);
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT r = PlaceOf(dialog, control);
        m_Places.push_back(Place{control, across.ToUnits(r.left), ToUnits(r.top, mapped.bottom, 8),
                                 across.ToUnits(r.right - r.left),
                                 ToUnits(r.bottom - r.top, mapped.bottom, 8)});
        TakeLabel(m_Places.back());
    }
}

void DpiLayout::TakeLabel(const Place& place) {
    char className[16] = "";
    GetClassNameA(place.control, className, sizeof className);
    DialogLabel label{DialogLabel::kStatic, TextOf(place.control), place.width};
    if (IsLabel(className, static_cast<DWORD>(GetWindowLongA(place.control, GWL_STYLE)),
                label.kind)) {
        m_Labels.push_back(label);
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
    if (!m_FirstFont || dpi == 0) {
        return false;
    }
    RECT window;
    RECT client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const Units now = UnitsFor(dialog, Shown(m_Font), m_Dpi);
    const CFont font = FontFor(dpi);
    const Units then = UnitsFor(dialog, Shown(font), dpi);
    size.cx =
        then.x.ToPixels(now.x.ToUnits(client.right)) + (window.right - window.left - client.right);
    size.cy = MulDiv(ToUnits(client.bottom, now.y, 8), then.y, 8) +
              (window.bottom - window.top - client.bottom);
    return true;
}

void DpiLayout::PlaceControls(const Units& units) const {
    // Places and sizes are mapped each on their own, as the template's.
    for (const Place& p : m_Places) {
        MoveWindow(p.control, units.x.ToPixels(p.x), MulDiv(p.y, units.y, 8),
                   units.x.ToPixels(p.width), MulDiv(p.height, units.y, 8), FALSE);
    }
}

void DpiLayout::Apply(HWND dialog, UINT dpi, const RECT& suggested) {
    if (dpi == 0) {
        return;
    }
    m_Dpi = dpi;
    if (m_FirstFont) {
        // The controls take the new font before the one they had is deleted.
        CFont font = FontFor(dpi);
        SetFontOfEveryControl(dialog, Shown(font));
        m_Font = std::move(font);
        PlaceControls(UnitsFor(dialog, Shown(m_Font), dpi));
    }
    SetWindowPos(dialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace platform
