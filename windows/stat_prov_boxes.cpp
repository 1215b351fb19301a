#include "windows/stat_prov_boxes.h"

#include <cstring>

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

namespace {

// Boxes whose caption is an older name than the code the log accepts:
// Labrador and Newfoundland share "NL", and the federal district of Mexico
// is Mexico City's "CMX" and comes under its older codes too.
struct CaptionCodes {
    const char* caption;
    std::vector<std::string> codes;
};

const CaptionCodes kRenamedBoxes[] = {
    {"LB", {"NL"}}, {"NF", {"NL"}}, {"NWT", {"NT"}}, {"PEI", {"PE"}}, {"DFE", {"CMX", "DFE", "DF"}},
};

}  // namespace

std::vector<std::string> CodesLightingBox(std::size_t i) {
    for (const CaptionCodes& renamed : kRenamedBoxes) {
        if (std::strcmp(renamed.caption, kStatProvCaptions[i]) == 0) {
            return renamed.codes;
        }
    }
    return {kStatProvCaptions[i]};
}

StatProvFlags FlagsFromWorkedCodes(const std::vector<std::string>& workedCodes) {
    StatProvFlags flags{};
    for (std::size_t i = 0; i < kStatProvBoxCount; ++i) {
        for (const std::string& code : CodesLightingBox(i)) {
            for (const std::string& worked : workedCodes) {
                if (worked == code) {
                    flags[i] = 1;
                }
            }
        }
    }
    return flags;
}
