#pragma once

#include <cstdint>

class ContestLog;
struct PassResults;

// Computes the score of the current pass from the store, rebuilds the worked
// lists, records the claimed score, writes the Cabrillo log in report mode
// and returns the summary text.
const char* GetResult(ContestLog& log, PassResults& results, int32_t* resultFlag);
