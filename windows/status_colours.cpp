#include "windows/status_colours.h"

HBRUSH ApplyStatusColours(HDC dc, HBRUSH background) {
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kTextBackground);
    return background;
}
