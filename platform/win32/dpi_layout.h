#pragma once

#include <windows.h>

#include <vector>

#include "platform/dialog_units.h"
#include "platform/win32/dialog_labels.h"
#include "platform/win32/gdi_object.h"

namespace platform {

// A dialog's layout for the DPI of its window. The dialog opens laid out by
// its template for the DPI the window was made for, widened where its font
// leaves a label too little room (dialog_units.h); when the window moves to
// a monitor of another scale, it is laid out again as its template lays it
// out at the new DPI: the template's font at that DPI, each control at its
// place in dialog units, mapped through that font, widened likewise.
// Changes back and forth therefore add up no rounding. Fonts do not grow in
// proportion to the DPI, so the window tells the system the size it needs
// at the new DPI first (WM_GETDPISCALEDSIZE), which the system then suggests
// (WM_DPICHANGED).
class DpiLayout {
public:
    // The DPI the window was made for; at the start of WM_INITDIALOG, when
    // the window system has laid the template out. Widens the dialog where
    // a label needs it.
    void Start(HWND dialog);
    UINT Dpi() const { return m_Dpi; }

    // The window's size at this DPI: its client area, in dialog units as it
    // stands, mapped through the font of that DPI (widened for the labels),
    // in the frame it has. False when the dialog's font is unknown.
    bool SizeFor(HWND dialog, UINT dpi, SIZE& size);
    // Lays the dialog out for this DPI and moves the window to the suggested
    // rectangle.
    void Apply(HWND dialog, UINT dpi, const RECT& suggested);

private:
    // The pixels of dialog units in a font: across (its average character
    // width per 4 units, or wider for the labels), and y per 8 units down
    // (its height).
    struct Units {
        UnitsAcross x;
        int y;
    };
    // A control's place in dialog units.
    struct Place {
        HWND control;
        int x, y, width, height;
    };
    void TakeTemplatePlaces(HWND dialog);
    void TakeLabel(const Place& place);  // when the control shows one
    // Widens the client area where the font leaves a label too little room.
    void GiveTheLabelsRoom(HWND dialog);
    CFont FontFor(UINT dpi) const;  // none at the first DPI: the dialog's own serves
    HFONT Shown(const CFont& font) const { return font ? font.Get() : m_FirstFont; }
    // As the window system works them out for a dialog's font.
    static Units UnitsOf(HWND dialog, HFONT font);
    // The font's units, widened for the labels drawn in it at this DPI.
    Units UnitsFor(HWND dialog, HFONT font, UINT dpi) const;
    void SetFontOfEveryControl(HWND dialog, HFONT font) const;
    void PlaceControls(const Units& units) const;

    UINT m_Dpi = 0;
    UINT m_FirstDpi = 0;
    HFONT m_FirstFont = nullptr;  // the dialog's own, owned by the window system
    LOGFONTA m_FirstLogFont{};
    int m_PointSize = 0;
    std::vector<Place> m_Places;
    std::vector<DialogLabel> m_Labels;
    int m_ClientUnits = 0;  // the client area's width in the template
    CFont m_Font;           // the font shown at a DPI other than the first
};

}  // namespace platform
