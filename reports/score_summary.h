#pragma once

#include <cstdint>

class ContestLog;
class Desktop;
struct PassResults;

// Computes the score of the current pass from the store, rebuilds the worked
// lists, records the claimed score, writes the Cabrillo log in report mode
// (naming it in a message on the desktop) and returns the summary text.
const char* GetResult(ContestLog& log, PassResults& results, Desktop& desktop, int32_t* resultFlag);
