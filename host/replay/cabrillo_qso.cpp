#include "host/replay/cabrillo_qso.h"

#include <sstream>
#include <vector>

#include "host/replay/adif_date.h"
#include "host/replay/ascii_text.h"
#include "host/replay/band_plan.h"
#include "host/replay/call_country.h"

using namespace platform;

namespace {

enum Field { kFreq, kMode, kDate, kTime, kMyCall, kRstSent, kExchSent, kCall, kRstRcvd, kExchRcvd };
constexpr std::size_t kFields = 10;
// The largest frequency in kilohertz whose hertz fit the host's 32 bits.
constexpr unsigned long kMaxKHz = 4294967;

struct ModeName {
    const char* cabrillo;
    const char* host;
};
const ModeName kModes[] = {
    {"CW", "CW"}, {"PH", "SSB"}, {"FM", "FM"}, {"RY", "RTTY"}, {"DG", "DATA"}};

std::vector<std::string> SplitBlanks(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> fields;
    std::string field;
    while (in >> field) {
        fields.push_back(field);
    }
    return fields;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

bool MapFrequency(const std::string& kHz, HostQso& qso, std::string& error) {
    if (kHz.empty() || kHz.size() > 7 || !AllDigits(kHz) || std::stoul(kHz) > kMaxKHz) {
        error = "frequency " + Quoted(kHz) + " is not a number of kHz";
        return false;
    }
    qso.freqHz = static_cast<unsigned int>(std::stoul(kHz) * 1000);
    qso.band = BandOfFrequency(qso.freqHz);
    return true;
}

bool MapMode(const std::string& mode, HostQso& qso, std::string& error) {
    for (const ModeName& name : kModes) {
        if (UpperCased(mode) == name.cabrillo) {
            qso.mode = name.host;
            return true;
        }
    }
    error = "mode " + Quoted(mode) + " is none of CW, PH, FM, RY, DG";
    return false;
}

bool MapTime(const std::string& date, const std::string& time, HostQso& qso, std::string& error) {
    int days = 0;
    int seconds = 0;
    const bool dashed = date.size() == 10 && date[4] == '-' && date[7] == '-';
    if (!dashed || !AdifDateToDays(date.substr(0, 4) + date.substr(5, 2) + date.substr(8), days)) {
        error = "date " + Quoted(date) + " is not a date of the form YYYY-MM-DD";
    } else if (time.size() != 4 || !AdifTimeToSeconds(time, seconds)) {
        error = "time " + Quoted(time) + " is not a time of the form HHMM";
    } else {
        qso.qsoTime = COleDateTime(OleDateFromDays(days, seconds));
        return true;
    }
    return false;
}

bool CheckFieldCount(const std::vector<std::string>& fields, std::string& error) {
    if (fields.size() == kFields + 1 && fields.back() != "0" && fields.back() != "1") {
        error = "transmitter " + Quoted(fields.back()) + " is neither 0 nor 1";
    } else if (fields.size() != kFields && fields.size() != kFields + 1) {
        error = "QSO line of " + std::to_string(fields.size()) +
                " fields; expected 10, and the transmitter as an 11th";
    } else {
        return true;
    }
    return false;
}

}  // namespace

Result<HostQso> MapCabrilloQso(const CabrilloLine& line, const CountryTable& countries) {
    const std::vector<std::string> f = SplitBlanks(line.value);
    HostQso qso;
    qso.line = line.line;
    std::string error;
    if (CheckFieldCount(f, error) && MapFrequency(f[kFreq], qso, error) &&
        MapMode(f[kMode], qso, error) && MapTime(f[kDate], f[kTime], qso, error)) {
        qso.myCall = f[kMyCall];
        qso.rstSent = f[kRstSent];
        qso.exchSent = f[kExchSent];
        qso.call = f[kCall];
        qso.rstRcvd = f[kRstRcvd];
        qso.exchRcvd = f[kExchRcvd];
        qso.prefix = DxccPrefix(countries, qso.call);
        return Result<HostQso>::Success(std::move(qso));
    }
    return Result<HostQso>::Failure(LineError(line.line, error));
}
