#pragma once

#include <cstddef>
#include <string>

// What must hold of the module's state and files after each call, checked
// from the outside by straightforward means. Each fails the run when broken.

// Every stored record: band "10m", mode "CW" or "SSB", both exchanges
// present, the location code empty or a listed one, a code error only
// without a code; the band rows whole.
void CheckStore();

// The summary's totals and score equal a recount of the store, and the
// worked lists hold what the recount found.
void CheckSummary(const char* text);

// The call check's answer equals a walk of the store.
void CheckCallAnswer(int answer, const char* call, const char* mode, const char* prefix,
                     const char* band, const char* refBand);

// The Cabrillo file that the message names: every line carries a known tag,
// each stored QSO has its line. A file not produced is said so.
void CheckCabrilloFile(const std::string& message);

// The error list from byte `from` on: whole lines ending in CR LF with no
// other CR or LF. Returns its length.
std::size_t CheckErrorFile(std::size_t from);
