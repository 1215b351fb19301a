#pragma once

#include <cstdint>

namespace platform {
class Desktop;
}  // namespace platform

namespace engine {
class ContestLog;
}  // namespace engine

namespace reports {

struct PassResults;

// Computes the score of the current pass from the store, rebuilds the worked
// lists, records the claimed score, writes the Cabrillo log in report mode
// (naming it in a message on the desktop) and returns the summary text.
const char* GetResult(engine::ContestLog& log, PassResults& results, platform::Desktop& desktop,
                      int32_t* resultFlag);

}  // namespace reports
