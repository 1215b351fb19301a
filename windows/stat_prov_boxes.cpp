#include "windows/stat_prov_boxes.h"

#include <string_view>
#include <unordered_map>

#include "engine/places.h"

namespace windows {

const char* const kStatProvCaptions[kStatProvBoxCount] = {
    // US states ("MD" took the second id)
    "AL", "MD", "AR", "AZ", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL", "IA", "KS", "KY", "LA",
    "MA", "ME", "MI", "MN", "MS", "MO", "MT", "IN", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND",
    "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
    // Canadian provinces and territories
    "AB", "BC", "LB", "MB", "NB", "NF", "NS", "NWT", "NU", "ON", "QC", "SK", "YT", "PEI",
    // Mexican states
    "AGS", "BAC", "BCS", "CAM", "CHI", "CHH", "COA", "COL", "DFE", "DGO", "EMX", "GTO", "GRO",
    "HGO", "JAL", "MIC", "MOR", "NAY", "NLE", "OAX", "PUE", "QRO", "QUI", "SLP", "SIN", "SON",
    "TAB", "TAM", "TLX", "VER", "YUC", "ZAC",
    // IARU regions
    "R1", "R2", "R3"};

std::vector<std::string> CodesLightingBox(std::size_t i) {
    const std::string_view caption = kStatProvCaptions[i];
    std::vector<std::string> codes;
    for (const engine::Place& place : engine::kPlaces) {
        ForEachBox(place, [&](const char* box) {
            if (caption == box) {
                codes.push_back(place.code);
                if (place.listedAsSent) {
                    engine::ForEachName(place.alsoSent,
                                        [&](const char* name) { codes.push_back(name); });
                }
            }
        });
    }
    return codes;
}

namespace {

// The boxes that each code lights, by code.
using BoxesByCode = std::unordered_map<std::string, std::vector<std::size_t>>;

BoxesByCode IndexBoxes() {
    BoxesByCode boxes;
    for (std::size_t i = 0; i < kStatProvBoxCount; ++i) {
        for (const std::string& code : CodesLightingBox(i)) {
            boxes[code].push_back(i);
        }
    }
    return boxes;
}

// Built as the module loads, not at the window thread's first refresh.
const BoxesByCode g_BoxesByCode = IndexBoxes();

}  // namespace

StatProvFlags FlagsFromWorkedCodes(const std::vector<std::string>& workedCodes) {
    StatProvFlags flags{};
    for (const std::string& worked : workedCodes) {
        const auto found = g_BoxesByCode.find(worked);
        if (found != g_BoxesByCode.end()) {
            for (std::size_t i : found->second) {
                flags[i] = 1;
            }
        }
    }
    return flags;
}

}  // namespace windows
