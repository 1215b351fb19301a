#pragma once

#include <string>
#include <vector>

#include "host/replay/country_table.h"
#include "host/replay/host_qso.h"
#include "host/replay/result.h"

// Every QSO of an ADIF log file, in file order, as the host hands them to
// the module (see MapAdifRecord). The first unreadable record ends the
// reading with its error; so does a file that is no ADIF.
Result<std::vector<HostQso>> LoadReplayLog(const std::string& adifPath,
                                           const CountryTable& countries,
                                           const std::string& defaultMyCall);
