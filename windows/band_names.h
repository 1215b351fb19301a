#pragma once

#include <string>
#include <vector>

// The band names in row order: row k of g_BandRows belongs to g_BandNames[k].
// Filled when the control dialog opens; used on the window thread only.
extern std::vector<std::string> g_BandNames;

// Empties g_BandNames and appends the six band names, "160m" to "10m".
void FillBandNames();
