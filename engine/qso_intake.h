#pragma once

#include <string>

#include "engine/qso_record.h"

namespace engine {

class ContestLog;

// Stores a 10 m QSO in a contest mode; lists refused or faulty QSOs in the
// error file. 1 when stored, 0 when ignored or refused.
int AddQso(ContestLog& log, const QsoRecord& qso);

// Withdraws the stored QSO that the host deleted: the first with its
// callsign, band, mode and time to the second; none when no record is that
// QSO (the intake may have refused it). Always 1.
int RemoveQso(ContestLog& log, const QsoRecord& qso);

// The received exchange as a location code: upper case, white space removed
// at both ends.
std::string NormaliseCode(const std::string& exchange);

// A maritime-mobile call: one that ends in "/MM".
bool IsMaritimeMobile(const std::string& call);

// Whether the received exchange must be a location code: stations of the US,
// Canada and Mexico, and maritime-mobile calls.
bool SendsLocationCode(const std::string& prefix, const std::string& call);

}  // namespace engine
