#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace windows {

// The 97 location boxes of the State/Province window. Box i has the control
// id IDC_STAT_PROV_FIRST + i: the US states, the Canadian provinces, the
// Mexican states and the IARU regions, in id order.
constexpr std::size_t kStatProvBoxCount = 97;
extern const char* const kStatProvCaptions[kStatProvBoxCount];

// One flag per box: 1 worked, 0 not.
using StatProvFlags = std::array<int, kStatProvBoxCount>;

// The worked codes that light box i: the code of each place whose box it is
// (engine/places.h), and the older names under which the exchange rules'
// code table lists it: "LB" and "NF" are lit by "NL", "NWT" by "NT", "PEI" by
// "PE", and "DFE" by "CMX", "DFE" and "DF".
std::vector<std::string> CodesLightingBox(std::size_t i);

// The flags of the boxes that the worked codes light (exact comparison);
// codes without a box light nothing.
StatProvFlags FlagsFromWorkedCodes(const std::vector<std::string>& workedCodes);

}  // namespace windows
