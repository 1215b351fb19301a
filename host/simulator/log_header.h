#pragma once

#include <vector>

#include "host/replay/cabrillo_reader.h"
#include "host/simulator/options.h"

// The values of the Cabrillo header dialog that a log's own header gives, as
// the operator would type them: each tag that is the label of a field of the
// dialog (EMAIL for E-MAIL), in the order the tags first come. A log's
// several ADDRESS lines make one address, joined with ", "; its several
// SOAPBOX lines one soapbox, joined with the "\n" that starts a new line.
// Other tags (CLAIMED-SCORE, CREATED-BY, a sponsor's HQ-*, ...) give nothing.
std::vector<HeaderEntry> HeaderFromLog(const std::vector<CabrilloLine>& header);
