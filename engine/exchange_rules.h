#pragma once

// The location codes that count as multipliers (US states and DC, Canadian
// provinces and territories, Mexican states, IARU regions), in list order,
// followed by a null end marker.
constexpr int kMultCodeCount = 100;
extern const char* const MultCodeTable[kMultCodeCount + 1];

// True when the code equals one entry of the table, byte for byte.
bool IsKnownMultCode(const char* code);

// The multiplier that a location code counts as: the code itself when the
// table lists it, and "NL" for "NF" and "LB", which Newfoundland and Labrador
// stations send on the air. Null for anything else; no normalisation here.
const char* MultCodeOf(const char* code);

// Whether a received exchange is acceptable: a serial number of three or four
// digits (but not "599"), or a two-character location code (with "NF" and
// "LB") from a station with the prefix "K" or "VE". A non-zero flag rejects every exchange.
int IsValidExchange(const char* exchange, const char* prefix, int flag);
