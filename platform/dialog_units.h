#pragma once

#include <vector>

namespace platform {

// Dialog units across, in pixels, and how far a dialog widens them so that
// its labels fit. Dialog templates measure in units of the dialog font's
// average character width, while a check box's square keeps its size in
// pixels: the narrower the font, the less room a cell leaves its text.

// A length of `units` dialog units across is `units * pixels / per` pixels,
// rounded to the nearest, halves away from zero, as the window system's
// MulDiv rounds.
// The window system's own: the font's average character width per 4 units.
struct UnitsAcross {
    int pixels;
    int per;

    int ToPixels(int units) const;
    // Back from pixels: exact for a length mapped here, since a unit is at
    // least a pixel wide.
    int ToUnits(int pixels) const;
    bool operator==(const UnitsAcross& other) const {
        return pixels == other.pixels && per == other.per;
    }
};

// A label's control's width in dialog units, the pixels that its text's
// cell reaches from the control's left edge (where the window system wraps
// a static's text and cuts a check box's), and the pixels that a dialog
// widened for its labels gives it: room for its cell, the ink of its last
// glyph, its focus rectangle and a button's margins.
struct LabelRoom {
    int units;
    int cell;
    int room;
};

// The font's own units where every label's cell fits in them: nothing
// changes where no text is cut. Else the dialog widens: across its client
// area, `clientUnits` wide, the fewest pixels that give each label its room
// (the client's width in pixels per its width in units), so that every
// control keeps its place in proportion and the template's arrangement
// stays.
UnitsAcross WidenForLabels(UnitsAcross font, int clientUnits, const std::vector<LabelRoom>& labels);

}  // namespace platform
