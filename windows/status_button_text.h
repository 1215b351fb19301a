#pragma once

#include <string>

#include "windows/status_button_layout.h"

namespace windows {

// What the status button shows, said in words: its window text, which a
// screen reader reads as the button's name (through the system's default
// accessibility object). The refresh sets it with each repaint.
//
// The worked-with view: the callsign, then each band of the table, the
// host's band first, the others from 10 m down:
//     "KV4MF. 10m: CW 23:48, SSB none, GA. 15m: not worked. ..."
// The DXCC view: the mode as the host names it, the count of the prefixes
// shown and the prefixes in the grid's order:
//     "DXCC worked CW, 2 of 338: DL, JA"
std::string DescribeStatusButton(const StatusButtonData& data, const std::string& hostMode);

}  // namespace windows
