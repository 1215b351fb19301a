#pragma once

#include <cstdint>
#include <string>

// The claimed score of the last summary, for the Cabrillo header.
extern int32_t g_ClaimedScore;

// The summary text of the last GetResult0; the host reads it until the next call.
extern std::string g_ResultText;

// Computes the score of the current pass from the store, rebuilds the worked
// lists, records the claimed score, writes the Cabrillo log in report mode
// and returns the summary text.
const char* GetResult(int32_t* resultFlag);
