#pragma once

#include <string>

#include "host/replay/adif_reader.h"
#include "host/replay/country_table.h"
#include "host/replay/host_qso.h"
#include "host/replay/result.h"

// The application field in which a log names the DXCC prefix that its
// logging program already determined; it wins over the country file.
inline constexpr char kDxccPrefixField[] = "APP_VEXO_DXCC_PREFIX";

// An ADIF record as the host hands it to the module:
// - call: CALL, unchanged; required.
// - qsoTime: QSO_DATE and TIME_ON, both required, as a valid OLE date.
// - freqHz: FREQ in megahertz as whole hertz; 0 without FREQ.
// - band: BAND in lower case ("10M" gives "10m"); without BAND, the band
//   that holds FREQ; empty when neither tells.
// - mode: MODE in upper case, with "USB" and "LSB" (older logs write the
//   sideband as the mode) given as "SSB"; every other mode passes through.
// - rstSent, rstRcvd: RST_SENT, RST_RCVD.
// - exchSent: STX_STRING, else STX, else MY_STATE.
// - exchRcvd: SRX_STRING, else SRX, else STATE, else VE_PROV: what was
//   received as text first, then a received serial number, then the
//   location the log knows the station by.
// - myCall: STATION_CALLSIGN, else OPERATOR, else `defaultMyCall`.
// - prefix: the field named above, else the country file's DXCC prefix of
//   the call (empty when the file knows no country for it).
// A field with an empty value counts as absent. A record without CALL, or
// without a real date and time, or with a FREQ that is no number, is an
// error naming the record's line.
Result<HostQso> MapAdifRecord(const AdifRecord& record, const CountryTable& countries,
                              const std::string& defaultMyCall);
