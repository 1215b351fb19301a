#pragma once

#include <string>
#include <vector>

#include "host/replay/cabrillo_reader.h"
#include "host/replay/country_table.h"
#include "host/replay/host_qso.h"
#include "host/replay/result.h"

// A log as the host replays it: every QSO in file order, as the host hands
// them to the module, and the header lines of a Cabrillo log (none for ADIF).
struct ReplayLog {
    std::vector<HostQso> qsos;
    std::vector<CabrilloLine> header;
};

// Reads a Cabrillo log (known by its content: see IsCabrilloText; QSOs as
// MapCabrilloQso gives them) or else an ADIF log (see MapAdifRecord;
// `defaultMyCall` for records that name no own callsign). The first
// unreadable QSO ends the reading with its error; so does a file that is
// neither.
Result<ReplayLog> LoadReplayLog(const std::string& path, const CountryTable& countries,
                                const std::string& defaultMyCall);
