#pragma once

#include "host/replay/cabrillo_reader.h"
#include "host/replay/country_table.h"
#include "host/replay/host_qso.h"
#include "host/replay/result.h"

// A QSO line of a Cabrillo log of the ARRL 10 Meter Contest as the host hands
// it to the module. Its fields, separated by blanks:
//   freq mo date time call-sent rst-sent exch-sent call-rcvd rst-rcvd exch-rcvd [t]
// - freqHz: freq, whole kilohertz, times 1000; band: the band that holds it.
// - mode: mo, "CW" as "CW", "PH" as "SSB", "FM", "RY" as "RTTY", "DG" as "DATA".
// - qsoTime: date "YYYY-MM-DD" and time "HHMM", as a valid OLE date.
// - myCall, rstSent, exchSent: the sent call, report and exchange.
// - call, rstRcvd, exchRcvd: the worked call, its report and its exchange.
// - prefix: the country file's DXCC prefix of the worked call.
// - t, a multi-transmitter log's transmitter (0 or 1), is not the host's.
// A line with another number of fields, or a field that is not what its
// place says, is an error naming the line.
Result<HostQso> MapCabrilloQso(const CabrilloLine& line, const CountryTable& countries);
