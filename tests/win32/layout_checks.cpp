#include "tests/win32/layout_checks.h"

#include <gtest/gtest.h>

#include "platform/display_scale.h"
#include "tests/win32/window_helpers.h"
#include "tests/win32/window_picture.h"

using namespace platform;

namespace {

// The kinds of control that show a text, and kDrawn for all others.
LaidOutText::Kind KindOf(HWND control) {
    char cls[32] = "";
    GetClassNameA(control, cls, sizeof cls);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (lstrcmpiA(cls, "Static") == 0) {
        return LaidOutText::kStatic;
    }
    if (lstrcmpiA(cls, "Button") != 0) {
        return LaidOutText::kDrawn;  // edit fields and combo boxes hold values, not labels
    }
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return LaidOutText::kCheckBox;
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return LaidOutText::kPushButton;
        default:
            return LaidOutText::kDrawn;  // an owner-drawn button draws what it likes
    }
}

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The text's size in the control's font, and half the width of a "0", the
// gap a check box leaves between its box and its text.
SIZE TextSize(HWND control, const std::string& text, int* halfDigit) {
    HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    INT digit = 0;
    GetCharWidth32A(dc, '0', '0', &digit);
    *halfDigit = digit / 2;
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

RECT InkOf(LaidOutText::Kind kind, const RECT& c, SIZE size, int halfDigit, UINT dpi) {
    const int middleTop = c.top + (c.bottom - c.top - size.cy) / 2;
    switch (kind) {
        case LaidOutText::kCheckBox: {
            const int left = c.left + ScalePixels(12, static_cast<int>(dpi)) + 1 + halfDigit + 1;
            return RECT{left, middleTop, left + size.cx, middleTop + size.cy};
        }
        case LaidOutText::kPushButton: {
            const int left = c.left + (c.right - c.left - size.cx) / 2;
            return RECT{left, middleTop, left + size.cx, middleTop + size.cy};
        }
        default:
            return RECT{c.left, c.top, c.left + size.cx, c.top + size.cy};
    }
}

// The window system draws a check box's box 12 pixels wide per 96 DPI, plus
// one, and its text after it. Wine draws every box at the system's DPI, also
// in a window laid out for another: at the window's own DPI the text would
// stand this many pixels further right.
int CheckBoxShift(UINT windowDpi) {
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return ScalePixels(12, static_cast<int>(windowDpi)) - ScalePixels(12, systemDpi);
}

void Resize(HWND control, int width, int height) {
    SetWindowPos(control, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

// Whether a pixel is of a glyph: darker than the pale backgrounds of the
// windows and of their texts by more than an edge pixel's shade.
bool IsInk(COLORREF pixel) {
    return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 600;
}

// Pixels of glyphs that the control's right edge cuts off: painted once more
// twice as wide, the control shows them beyond its width. Drawn at the
// window's DPI, the text would stand `shift` pixels further right.
int InkCutOff(HWND control, int shift) {
    RECT rect;
    GetWindowRect(control, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    Resize(control, 2 * width, height);
    const WindowPicture wide = WindowPicture::PrintedClient(control, 2 * width, height);
    Resize(control, width, height);
    InvalidateRect(control, nullptr, TRUE);
    int cutOff = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = width - shift; x < 2 * width; ++x) {
            cutOff += IsInk(wide.Pixel(x, y));
        }
    }
    return cutOff;
}

int ClientWidth(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    return client.right;
}

// The pixels that the window system maps this many dialog units to.
int SystemWidth(HWND dialog, int units) {
    RECT rect{0, 0, units, 0};
    MapDialogRect(dialog, &rect);
    return rect.right;
}

}  // namespace

RECT MapTemplateRect(HWND dialog, int templateWidth, const RECT& units) {
    RECT mapped = units;
    MapDialogRect(dialog, &mapped);
    const int client = ClientWidth(dialog);
    if (client != SystemWidth(dialog, templateWidth)) {
        mapped.left = MulDiv(units.left, client, templateWidth);
        mapped.right = MulDiv(units.right, client, templateWidth);
    }
    return mapped;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " to " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

std::vector<LaidOutText> LaidOutTexts(HWND dialog, UINT dpi) {
    std::vector<LaidOutText> texts;
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const LaidOutText::Kind kind = KindOf(control);
        const std::string text = WindowText(control);
        if (kind == LaidOutText::kDrawn || text.empty() || !IsWindowVisible(control)) {
            continue;
        }
        int halfDigit = 0;
        const SIZE size = TextSize(control, text, &halfDigit);
        const RECT place = ClientRectOf(dialog, control);
        const int shift = kind == LaidOutText::kCheckBox ? CheckBoxShift(dpi) : 0;
        texts.push_back(
            {kind, control, text, place, InkOf(kind, place, size, halfDigit, dpi), shift});
    }
    return texts;
}

void ExpectTextsApart(const std::vector<LaidOutText>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(Overlap(texts[i].ink, texts[j].ink))
                << "\"" << texts[i].text << "\" at " << Describe(texts[i].ink) << " and \""
                << texts[j].text << "\" at " << Describe(texts[j].ink);
        }
    }
}

namespace {

void ExpectEachTextFits(const std::vector<LaidOutText>& texts) {
    for (const LaidOutText& t : texts) {
        // The window system wraps a static's text and cuts a check box's by its
        // cell, and centres a push button's: each cell inside, no ink cut.
        const int cutOff = t.kind == LaidOutText::kPushButton ? 0 : InkCutOff(t.window, t.shift);
        EXPECT_EQ(0, cutOff) << "\"" << t.text << "\" in " << Describe(t.control) << ", its cell "
                             << Describe(t.ink);
        EXPECT_TRUE(t.ink.left >= t.control.left && t.ink.right <= t.control.right)
            << "the cell of \"" << t.text << "\" at " << Describe(t.ink) << " in "
            << Describe(t.control);
        EXPECT_LE(t.ink.bottom - t.ink.top, t.control.bottom - t.control.top) << t.text;
    }
    ExpectTextsApart(texts);
}

// Where the dialog is wider than the window system lays its template out,
// some text's cell reaches past its control at the width mapped there.
void ExpectWidenedForACutText(HWND dialog, const std::vector<LaidOutText>& texts,
                              int templateWidth) {
    const int client = ClientWidth(dialog);
    const int system = SystemWidth(dialog, templateWidth);
    int cut = 0;
    for (const LaidOutText& t : texts) {
        // A push button centres its text; the others start where they stand.
        const int needed = t.kind == LaidOutText::kPushButton ? t.ink.right - t.ink.left
                                                              : t.ink.right - t.control.left;
        const int units = MulDiv(t.control.right - t.control.left, templateWidth, client);
        cut += needed > SystemWidth(dialog, units);
    }
    EXPECT_TRUE(client == system || cut > 0)
        << "widened to " << client << " pixels from " << system << " with no text cut there";
}

}  // namespace

void ExpectTextsFitAndApart(HWND dialog, UINT dpi, int templateWidth) {
    const std::vector<LaidOutText> texts = LaidOutTexts(dialog, dpi);
    EXPECT_FALSE(texts.empty());
    ExpectEachTextFits(texts);
    ExpectWidenedForACutText(dialog, texts, templateWidth);
}

namespace {

constexpr UINT kGetDpiScaledSize = 0x02E4;

LONG FontHeight(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

// Where the dialog and each of its controls stand.
std::vector<std::string> Places(HWND dialog) {
    RECT window;
    GetWindowRect(dialog, &window);
    std::vector<std::string> places = {"window " + Describe(window)};
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        places.push_back(WindowText(control) + " " + Describe(ClientRectOf(dialog, control)) +
                         " font " + std::to_string(FontHeight(control)));
    }
    return places;
}

// The rectangle the system suggests for a new DPI: the size the window asks
// for (WM_GETDPISCALEDSIZE), else its client area scaled in the frame it has.
RECT SuggestedRect(HWND dialog, UINT to, UINT from) {
    RECT window;
    RECT client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    SIZE size{(window.right - window.left) - client.right +
                  MulDiv(client.right, static_cast<int>(to), static_cast<int>(from)),
              (window.bottom - window.top) - client.bottom +
                  MulDiv(client.bottom, static_cast<int>(to), static_cast<int>(from))};
    SIZE asked{};
    if (SendAndPump(dialog, kGetDpiScaledSize, to, reinterpret_cast<LPARAM>(&asked))) {
        size = asked;
    }
    return RECT{window.left, window.top, window.left + size.cx, window.top + size.cy};
}

void ExpectControlsInsideTheClientArea(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT place = ClientRectOf(dialog, control);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right &&
                    place.bottom <= client.bottom)
            << WindowText(control) << " at " << Describe(place) << " in " << Describe(client);
    }
}

}  // namespace

void ExpectLaidOutAgainForEachScale(HWND dialog, UINT dpi,
                                    const std::function<void(UINT scale)>& alsoCheck) {
    const std::vector<std::string> start = Places(dialog);
    HWND firstControl = GetWindow(dialog, GW_CHILD);
    const int points = MulDiv(-FontHeight(firstControl), 72, static_cast<int>(dpi));
    RECT startRect;
    GetWindowRect(dialog, &startRect);
    for (UINT scale : kScales) {
        SCOPED_TRACE(testing::Message() << "from " << dpi << " to " << scale << " DPI");
        const RECT suggested = SuggestedRect(dialog, scale, dpi);
        SendAndPump(dialog, WM_DPICHANGED, MAKEWPARAM(scale, scale),
                    reinterpret_cast<LPARAM>(&suggested));
        RECT now;
        GetWindowRect(dialog, &now);
        EXPECT_EQ(Describe(suggested), Describe(now));
        EXPECT_EQ(-MulDiv(points, static_cast<int>(scale), 72), FontHeight(firstControl))
            << "the font of the template's points";
        ExpectControlsInsideTheClientArea(dialog);
        ExpectEachTextFits(LaidOutTexts(dialog, scale));
        if (alsoCheck) {
            alsoCheck(scale);
        }
        SendAndPump(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                    reinterpret_cast<LPARAM>(&startRect));
    }
    EXPECT_EQ(start, Places(dialog)) << "back at " << dpi << " DPI";
}
