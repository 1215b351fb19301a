#include "platform/dialog_units.h"

#include <algorithm>

namespace platform {

namespace {

// a * b / c rounded to the nearest, halves away from zero, as MulDiv.
int MulDivRounded(long long a, long long b, long long c) {
    const long long product = a * b;
    return static_cast<int>(product >= 0 ? (product + c / 2) / c : -((-product + c / 2) / c));
}

// The least client width in pixels at which the label's units reach its
// room: rounded, units * width / clientUnits >= room - 1/2.
int LeastClientPixels(const LabelRoom& label, int clientUnits) {
    const long long needed = (2LL * label.room - 1) * clientUnits;
    const long long per = 2LL * label.units;
    return static_cast<int>((needed + per - 1) / per);
}

}  // namespace

int UnitsAcross::ToPixels(int units) const {
    return MulDivRounded(units, pixels, per);
}

int UnitsAcross::ToUnits(int length) const {
    return MulDivRounded(length, per, pixels);
}

UnitsAcross WidenForLabels(UnitsAcross font, int clientUnits,
                           const std::vector<LabelRoom>& labels) {
    // A control of no width has no room to give, however wide the dialog.
    const bool roomForAll = std::all_of(labels.begin(), labels.end(), [&](const LabelRoom& label) {
        return label.units <= 0 || font.ToPixels(label.units) >= label.cell;
    });
    if (roomForAll || clientUnits <= 0) {
        return font;
    }
    // Every label counts, also those with room in the font's units: mapped
    // through the client's width, rounded, they could lose a pixel.
    int client = font.ToPixels(clientUnits);
    for (const LabelRoom& label : labels) {
        if (label.units > 0) {
            client = std::max(client, LeastClientPixels(label, clientUnits));
        }
    }
    return UnitsAcross{client, clientUnits};
}

}  // namespace platform
