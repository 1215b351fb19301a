#include "host/replay/qso_mapping.h"

#include <initializer_list>

#include "host/replay/adif_date.h"
#include "host/replay/ascii_text.h"
#include "host/replay/band_plan.h"
#include "host/replay/call_country.h"

using namespace platform;

namespace {

// The first of the named fields that the record holds with a value.
std::string FirstOf(const AdifRecord& record, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const std::string* value = record.Find(name);
        if (value && !value->empty()) {
            return *value;
        }
    }
    return std::string();
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

bool MapTime(const AdifRecord& record, COleDateTime& time, std::string& error) {
    const std::string date = FirstOf(record, {"QSO_DATE"});
    const std::string timeOn = FirstOf(record, {"TIME_ON"});
    int days = 0;
    int seconds = 0;
    if (date.empty() || timeOn.empty()) {
        error = date.empty() ? "record without QSO_DATE" : "record without TIME_ON";
    } else if (!AdifDateToDays(date, days)) {
        error = "QSO_DATE " + Quoted(date) + " is not a date of the form YYYYMMDD";
    } else if (!AdifTimeToSeconds(timeOn, seconds)) {
        error = "TIME_ON " + Quoted(timeOn) + " is not a time of the form HHMM or HHMMSS";
    } else {
        time = COleDateTime(OleDateFromDays(days, seconds));
        return true;
    }
    return false;
}

bool MapFrequency(const AdifRecord& record, HostQso& qso, std::string& error) {
    const std::string freq = FirstOf(record, {"FREQ"});
    if (!freq.empty() && !MegahertzToHertz(freq, qso.freqHz)) {
        error = "FREQ " + Quoted(freq) + " is not a frequency in MHz";
        return false;
    }
    const std::string band = FirstOf(record, {"BAND"});
    qso.band = band.empty() ? BandOfFrequency(qso.freqHz) : HostBandName(band);
    return true;
}

std::string HostMode(const std::string& adifMode) {
    const std::string mode = UpperCased(TrimWhiteSpace(adifMode));
    return mode == "USB" || mode == "LSB" ? "SSB" : mode;
}

void MapTexts(const AdifRecord& record, HostQso& qso) {
    qso.mode = HostMode(FirstOf(record, {"MODE"}));
    qso.rstSent = FirstOf(record, {"RST_SENT"});
    qso.rstRcvd = FirstOf(record, {"RST_RCVD"});
    qso.exchSent = FirstOf(record, {"STX_STRING", "STX", "MY_STATE"});
    qso.exchRcvd = FirstOf(record, {"SRX_STRING", "SRX", "STATE", "VE_PROV"});
}

}  // namespace

Result<HostQso> MapAdifRecord(const AdifRecord& record, const CountryTable& countries,
                              const std::string& defaultMyCall) {
    HostQso qso;
    qso.line = record.line;
    qso.call = FirstOf(record, {"CALL"});
    std::string error;
    if (TrimWhiteSpace(qso.call).empty()) {
        error = "record without CALL";
    } else if (MapTime(record, qso.qsoTime, error) && MapFrequency(record, qso, error)) {
        MapTexts(record, qso);
        qso.myCall = FirstOf(record, {"STATION_CALLSIGN", "OPERATOR"});
        if (qso.myCall.empty()) {
            qso.myCall = defaultMyCall;
        }
        qso.prefix = FirstOf(record, {kDxccPrefixField});
        if (qso.prefix.empty()) {
            qso.prefix = DxccPrefix(countries, qso.call);
        }
        return Result<HostQso>::Success(std::move(qso));
    }
    return Result<HostQso>::Failure(LineError(record.line, error));
}
