#include "engine/exchange_rules.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_set>

namespace engine {

namespace {

// Looked up by hash; built as the module loads (see g_PlacesByName).
const std::unordered_set<std::string_view> g_KnownMultCodes(MultCodeTable,
                                                            MultCodeTable + kMultCodeCount);

}  // namespace

bool IsKnownMultCode(const char* code) {
    return code && g_KnownMultCodes.count(code) != 0;
}

const char* MultCodeOf(const char* code) {
    const Place* place = code ? PlaceNamed(code) : nullptr;
    return place ? place->code : nullptr;
}

const char* RegionOfNumber(const char* code) {
    if (!code || code[0] < '1' || code[0] > '3' || code[1] != '\0') {
        return nullptr;
    }
    const char region[] = {'R', code[0], '\0'};
    return MultCodeOf(region);
}

namespace {

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsPlaceOfKind(std::string_view code, PlaceKind kind) {
    const Place* place = PlaceNamed(code);
    return place && place->kind == kind;
}

// US and Canadian stations: a two-character code of the table.
bool UsOrCanadianCode(const char* exchange, std::string_view) {
    return std::strlen(exchange) == 2 && MultCodeOf(exchange);
}

// Mexican stations: their state, or a region (a maritime mobile station).
bool MexicanCode(const char* exchange, std::string_view) {
    return IsPlaceOfKind(exchange, PlaceKind::Mexican) ||
           IsPlaceOfKind(exchange, PlaceKind::Region);
}

// Everyone else: a region (a maritime mobile station, which the check cannot
// tell by its call), or a place from the prefix of its own that country
// files give it (Hawaii, Alaska).
bool DxCode(const char* exchange, std::string_view prefix) {
    const Place* place = PlaceNamed(exchange);
    bool ownPrefix = false;
    if (place && place->code == std::string_view(exchange)) {
        ForEachName(place->ownPrefixes, [&](const char* own) { ownPrefix |= prefix == own; });
    }
    return IsPlaceOfKind(exchange, PlaceKind::Region) || ownPrefix;
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

}  // namespace engine
