#pragma once

#include <string>
#include <vector>

#include "host/replay/result.h"

// What the host simulator is asked to do, from its command line.

// A callsign the operator types, with the host's frequency and mode meanwhile.
struct TypedCall {
    std::string call;
    double freqHz = 28400000.0;
    std::string mode = "CW";
};

// A value the operator enters in the Cabrillo header dialog, by the label of
// its field ("NAME", "CATEGORY-POWER", ...).
struct HeaderEntry {
    std::string field;
    std::string value;
};

struct SimulatorOptions {
    std::string modulePath = "Plugins\\ARRL-10M_CW_SSB.dll";
    std::string logPath;       // the ADIF or Cabrillo log to replay; empty: none
    std::string countryPath;   // cty.dat; empty: looked for in the usual places
    std::string myCall;        // own callsign where a record names none
    bool openWindows = false;  // tick both view boxes of the control dialog
    std::vector<TypedCall> typed;
    std::string screenshotDir;  // empty: no screenshots
    bool report = false;        // a report pass after the scoring pass
    std::vector<HeaderEntry> header;
    bool help = false;
};

Result<SimulatorOptions> ParseOptions(const std::vector<std::string>& args);

// The command line's description, for --help and for mistakes.
std::string UsageText();

// The labels of the header dialog's fields that --header accepts.
const std::vector<std::string>& HeaderFieldNames();
