#pragma once

// The location codes that count as multipliers (US states and DC, Canadian
// provinces and territories, Mexican states, IARU regions), in list order,
// followed by a null end marker.
constexpr int kMultCodeCount = 100;
extern const char* const MultCodeTable[kMultCodeCount + 1];

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
