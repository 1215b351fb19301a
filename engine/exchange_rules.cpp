#include "engine/exchange_rules.h"

#include <cstring>
#include <string_view>
#include <unordered_set>

const char* const MultCodeTable[kMultCodeCount + 1] = {
    // US states and the District of Columbia
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS",
    "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM",
    "NV", "NY", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI",
    "WV", "WY", "DC",
    // Canadian provinces and territories
    "ON", "QC", "NS", "NB", "MB", "BC", "PE", "SK", "AB", "NL", "NT", "YT", "NU",
    // Mexican states ("DFE" and "DF" both name the federal district)
    "AGS", "BAC", "BCS", "CAM", "CHI", "CHH", "COA", "COL", "DFE", "DF", "DGO", "EMX", "GTO", "GRO",
    "HGO", "JAL", "MIC", "MOR", "NAY", "NLE", "OAX", "PUE", "QRO", "QUI", "SLP", "SIN", "SON",
    "TAB", "TAM", "TLX", "VER", "YUC", "ZAC",
    // IARU regions
    "R1", "R2", "R3", nullptr};

namespace {

// Looked up for every QSO the intake stores, so by hash rather than by walking
// the table. Built as the module loads: a table built at its first use would
// make the host thread that comes first enter the runtime's thread-safe
// initialisation, which keeps a record of that thread for good.
const std::unordered_set<std::string_view> g_KnownMultCodes(MultCodeTable,
                                                            MultCodeTable + kMultCodeCount);

}  // namespace

bool IsKnownMultCode(const char* code) {
    return code && g_KnownMultCodes.count(code) != 0;
}

const char* MultCodeOf(const char* code) {
    static const char kNewfoundland[] = "NL";
    if (!code) {
        return nullptr;
    }
    if (std::strcmp(code, "NF") == 0 || std::strcmp(code, "LB") == 0) {
        return kNewfoundland;
    }
    return IsKnownMultCode(code) ? code : nullptr;
}

namespace {

bool AllDigits(const char* text) {
    for (; *text; ++text) {
        if (*text < '0' || *text > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

int IsValidExchange(const char* exchange, const char* prefix, int flag) {
    const char* exch = exchange ? exchange : "";
    const char* pfx = prefix ? prefix : "";
    const std::size_t length = std::strlen(exch);
    if (flag != 0 || std::strcmp(exch, "599") == 0) {
        return 0;
    }
    if (length == 3 || length == 4) {
        return AllDigits(exch) ? 1 : 0;
    }
    if (std::strcmp(pfx, "K") != 0 && std::strcmp(pfx, "VE") != 0) {
        return 0;
    }
    return length == 2 && MultCodeOf(exch) ? 1 : 0;
}
