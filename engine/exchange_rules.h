#pragma once

#include "engine/places.h"

namespace engine {

// The location codes that the exchange rules accept as they are sent, in
// the order of the table of places, followed by a null end marker: each
// place's code, or the older names under which the table lists it.
namespace mult_code_table {
constexpr int Count() {
    int count = 0;
    for (const Place& place : kPlaces) {
        ForEachListedName(place, [&count](const char*) { ++count; });
    }
    return count;
}
}  // namespace mult_code_table

constexpr int kMultCodeCount = mult_code_table::Count();

namespace mult_code_table {
struct Codes {
    const char* entries[kMultCodeCount + 1];
};
constexpr Codes List() {
    Codes codes{};
    int i = 0;
    for (const Place& place : kPlaces) {
        ForEachListedName(place, [&](const char* code) { codes.entries[i++] = code; });
    }
    return codes;
}
inline constexpr Codes kCodes = List();
}  // namespace mult_code_table

inline constexpr const char* const (&MultCodeTable)[kMultCodeCount + 1] =
    mult_code_table::kCodes.entries;

// True when the code equals one entry of the table, byte for byte.
bool IsKnownMultCode(const char* code);

// The multiplier that a location code counts as: the code itself when the
// table lists it; "NL" for "NF" and "LB", which Newfoundland and Labrador
// stations send on the air; and "CMX" for Mexico City, whether sent as "CMX"
// or under the federal district's older codes "DF" and "DFE". Null for
// anything else; no normalisation here.
const char* MultCodeOf(const char* code);

// The ITU region that a maritime mobile station names by its number alone,
// "1" to "3", as the sponsor's rules have it sent: "R1" to "R3". Null for
// anything else.
const char* RegionOfNumber(const char* code);

// Whether a received exchange is acceptable from a station with the country
// prefix that the host gives: what each station sends, as it sends it (case
// and blanks are not folded). A non-zero flag rejects every exchange, and the
// report "599" is no exchange. Then, by prefix:
// - "K" and "VE": a serial number of three or four digits, or a
//   two-character location code (with "NF" and "LB");
// - "XE": a serial number of three or four digits, a Mexican state of the
//   table, "CMX", or an IARU region;
// - any other: a serial number of one to four digits, an IARU region (a
//   maritime mobile station), "HI" from "KH6" and "AK" from "KL7" or "KL".
int IsValidExchange(const char* exchange, const char* prefix, int flag);

}  // namespace engine
