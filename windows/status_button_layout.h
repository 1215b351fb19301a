#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/display_scale.h"
#include "windows/pixel_geometry.h"

namespace engine {
class ContestLog;
}  // namespace engine

namespace windows {

// What the status button paints, worked out apart from the window system:
// a list of fills and texts computed from the module's state, which the
// button then executes on its device context.

struct RgbColour {
    uint8_t red, green, blue;
    bool operator==(const RgbColour& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

inline constexpr RgbColour kWorkedWithBackground{255, 255, 198};
inline constexpr RgbColour kBandBarColour{198, 255, 255};
inline constexpr RgbColour kDxccBackground{255, 250, 198};

// One step of painting: a solid fill of the rectangle, or a text whose
// top-left corner is the rectangle's left and top.
struct DrawOp {
    enum Kind { kFill, kText };
    Kind kind;
    PixelRect rect;
    RgbColour colour;  // fills
    std::string text;  // texts, drawn transparently in the button's font, in black
};

// The part of the module's state that the button shows, copied so that it is
// painted without holding the store's lock.
struct StatusButtonData {
    std::string hostCall;                            // empty: the DXCC view
    int32_t hostBand = -1;                           // -1: no band
    std::vector<std::vector<std::string>> bandRows;  // worked-with view
    std::vector<std::string> workedDxcc;             // DXCC view: the list of the host's mode
};

// Copies the host's callsign and band, the band rows and the worked DXCC list
// that the host's mode class selects (none for a mode other than 0 or 1).
// Takes the log's lock.
StatusButtonData SnapshotStatusButtonData(engine::ContestLog& log, const std::string& hostCall,
                                          int32_t hostBand, int32_t hostMode);

// The painting of the whole item rectangle, in order, for a window at this
// DPI: every offset, column and cell is a 96-DPI figure scaled to it, so the
// table and the grid keep their proportions to the font of that DPI.
std::vector<DrawOp> LayoutStatusButton(const StatusButtonData& data, const PixelRect& item,
                                       int dpi = platform::kBaseDpi);

// Where the button stands in the DXCC window's client area: one pixel in
// from the left and top, three short of the right and bottom.
struct ButtonPlacement {
    int left, top, width, height;
};
ButtonPlacement PlaceStatusButton(const PixelRect& client);

}  // namespace windows
