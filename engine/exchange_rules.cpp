#include "engine/exchange_rules.h"

#include <algorithm>
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
    // Mexican states ("DFE" and "DF", the federal district's codes, count as
    // Mexico City's "CMX")
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

constexpr char kMexicoCity[] = "CMX";

// Codes that stations send for a multiplier the table knows under another
// code, or under several: Newfoundland and Labrador are "NL", and Mexico City
// (the federal district of old) is "CMX" since 2016.
struct SentCode {
    const char* sent;
    const char* multiplier;
};
const SentCode kSentCodes[] = {
    {"NF", "NL"},        {"LB", "NL"},         {kMexicoCity, kMexicoCity},
    {"DF", kMexicoCity}, {"DFE", kMexicoCity},
};

}  // namespace

bool IsKnownMultCode(const char* code) {
    return code && g_KnownMultCodes.count(code) != 0;
}

const char* MultCodeOf(const char* code) {
    if (!code) {
        return nullptr;
    }
    for (const SentCode& sent : kSentCodes) {
        if (std::strcmp(code, sent.sent) == 0) {
            return sent.multiplier;
        }
    }
    return IsKnownMultCode(code) ? code : nullptr;
}

const char* RegionOfNumber(const char* code) {
    // The regions close the table, in the order of their numbers.
    constexpr int kFirstRegion = kMultCodeCount - 3;
    if (!code || code[0] < '1' || code[0] > '3' || code[1] != '\0') {
        return nullptr;
    }
    return MultCodeTable[kFirstRegion + (code[0] - '1')];
}

namespace {

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the Mexican states stand in the table: from "AGS" to "ZAC".
constexpr int kFirstMexicanState = 64;
constexpr int kMexicanStateCount = 33;

bool IsMexicanState(std::string_view code) {
    const char* const* first = MultCodeTable + kFirstMexicanState;
    return std::any_of(first, first + kMexicanStateCount,
                       [code](const char* state) { return code == state; });
}

bool IsRegion(std::string_view code) {
    return code == "R1" || code == "R2" || code == "R3";
}

// US and Canadian stations: a two-character code of the table.
bool UsOrCanadianCode(const char* exchange, std::string_view) {
    return std::strlen(exchange) == 2 && MultCodeOf(exchange);
}

// Mexican stations: their state, or a region (a maritime mobile station).
bool MexicanCode(const char* exchange, std::string_view) {
    const std::string_view code = exchange;
    return IsMexicanState(code) || code == kMexicoCity || IsRegion(code);
}

// Everyone else: a region (a maritime mobile station, which the check cannot
// tell by its call), or Hawaii and Alaska under the country prefixes of
// their own that country files give them.
bool DxCode(const char* exchange, std::string_view prefix) {
    const std::string_view code = exchange;
    return IsRegion(code) || (code == "HI" && prefix == "KH6") ||
           (code == "AK" && (prefix == "KL7" || prefix == "KL"));
}

// What the station of a country prefix sends: a serial number of the given
// fewest digits up to four, or a location code that the rule accepts.
struct StationRule {
    const char* prefix;  // null: every prefix not listed before it
    std::size_t fewestDigits;
    bool (*isLocationCode)(const char* exchange, std::string_view prefix);
};
const StationRule kStationRules[] = {
    {"K", 3, UsOrCanadianCode},
    {"VE", 3, UsOrCanadianCode},
    {"XE", 3, MexicanCode},
    {nullptr, 1, DxCode},
};

const StationRule& RuleOf(std::string_view prefix) {
    const StationRule* rule = kStationRules;
    while (rule->prefix && prefix != rule->prefix) {
        ++rule;
    }
    return *rule;
}

bool IsSerialNumber(std::string_view text, std::size_t fewestDigits) {
    return text.size() >= fewestDigits && text.size() <= 4 &&
           std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

}  // namespace

int IsValidExchange(const char* exchange, const char* prefix, int flag) {
    const char* exch = exchange ? exchange : "";
    const std::string_view pfx = prefix ? prefix : "";
    if (flag != 0 || std::strcmp(exch, "599") == 0) {
        return 0;
    }
    const StationRule& rule = RuleOf(pfx);
    return IsSerialNumber(exch, rule.fewestDigits) || rule.isLocationCode(exch, pfx) ? 1 : 0;
}
