#include "host/chaos/contest_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <utility>

#include "platform/text.h"

using namespace platform;

namespace {

// The location codes that count as multipliers: US states and DC, Canadian
// provinces and territories, Mexican states, IARU regions.
const char* const kUsAndCanadianCodes[] = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS",
    "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM",
    "NV", "NY", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI",
    "WV", "WY", "DC", "ON", "QC", "NS", "NB", "MB", "BC", "PE", "SK", "AB", "NL", "NT", "YT", "NU"};
const char* const kMexicanStates[] = {"AGS", "BAC", "BCS", "CAM", "CHI", "CHH", "CMX", "COA", "COL",
                                      "DFE", "DF",  "DGO", "EMX", "GTO", "GRO", "HGO", "JAL", "MIC",
                                      "MOR", "NAY", "NLE", "OAX", "PUE", "QRO", "QUI", "SLP", "SIN",
                                      "SON", "TAB", "TAM", "TLX", "VER", "YUC", "ZAC"};
const char* const kRegions[] = {"R1", "R2", "R3"};

template <std::size_t N>
bool Lists(const char* const (&codes)[N], const std::string& code) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

// The multiplier a code counts as: Newfoundland and Labrador stations send
// "NF" or "LB" for "NL"; Mexico City is "CMX", formerly "DF" or "DFE". Empty
// when the code is not acceptable.
std::string MultiplierOf(const std::string& code) {
    if (code == "NF" || code == "LB") {
        return "NL";
    }
    if (code == "DF" || code == "DFE") {
        return "CMX";
    }
    const bool known =
        Lists(kUsAndCanadianCodes, code) || Lists(kMexicanStates, code) || Lists(kRegions, code);
    return known ? code : std::string();
}

// A serial number of the fewest digits given, up to four.
bool IsSerial(const std::string& exchange, std::size_t fewestDigits) {
    return exchange.size() >= fewestDigits && exchange.size() <= 4 &&
           exchange.find_first_not_of("0123456789") == std::string::npos;
}

// Upper case (ASCII letters only), without blanks at either end.
std::string Normalised(const std::string& exchange) {
    return TrimWhiteSpace(UpperCased(exchange));
}

bool IsMaritime(const std::string& call) {
    return call.size() >= 3 && call.compare(call.size() - 3, 3, "/MM") == 0;
}

bool SendsLocationCode(const std::string& prefix, const std::string& call) {
    return prefix == "K" || prefix == "VE" || prefix == "XE" || IsMaritime(call);
}

// The multiplier of a station's code: a maritime-mobile station sends its
// ITU region, "R1" to "R3" or its number alone.
std::string StationMultiplier(const std::string& code, const std::string& call) {
    if (IsMaritime(call) && (code == "1" || code == "2" || code == "3")) {
        return "R" + code;
    }
    return MultiplierOf(code);
}

bool SameBandName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ContestModel::Totals::operator==(const Totals& o) const {
    return qsos == o.qsos && points == o.points && dxcc == o.dxcc && codes == o.codes && k == o.k &&
           ve == o.ve && score == o.score;
}

int ContestModel::ExpectedAdd(const ChaosQso& qso) {
    const std::string& mode = qso.mode.Read();
    if (qso.band.Read() != "10m" || qso.exchRcvd.Read().empty() || qso.exchSent.Read().empty()) {
        return 0;
    }
    return mode == "CW" || mode == "SSB" ? 1 : 0;
}

int ContestModel::ExpectedValidExchange(const std::string& exchange, const std::string& prefix,
                                        int flag) {
    if (flag != 0 || exchange == "599") {
        return 0;
    }
    bool valid = false;
    if (prefix == "K" || prefix == "VE") {
        valid = IsSerial(exchange, 3) || (exchange.size() == 2 && !MultiplierOf(exchange).empty());
    } else if (prefix == "XE") {
        valid =
            IsSerial(exchange, 3) || Lists(kMexicanStates, exchange) || Lists(kRegions, exchange);
    } else {
        // Hawaii and Alaska, which country files give prefixes of their own, send their state.
        valid = IsSerial(exchange, 1) || Lists(kRegions, exchange) ||
                (exchange == "HI" && prefix == "KH6") ||
                (exchange == "AK" && (prefix == "KL7" || prefix == "KL"));
    }
    return valid ? 1 : 0;
}

bool ContestModel::ReadTotals(const std::string& summary, Totals& t) {
    const std::size_t at = summary.find("\r\nTotal\t");
    if (at == std::string::npos) {
        return false;
    }
    int32_t points = 0;
    int32_t dxcc = 0;
    int32_t codes = 0;
    char end[4] = "";  // the score line ends in a blank and CR LF
    const int read = std::sscanf(
        summary.c_str() + at + 2,
        "Total\t %d\t %d\t %d\t %d\t %d\t %d\r\nScore = %d *( %d + %d) = %d%3[ \r\n]", &t.qsos,
        &t.points, &t.dxcc, &t.codes, &t.k, &t.ve, &points, &dxcc, &codes, &t.score, end);
    return read == 11 && points == t.points && dxcc == t.dxcc && codes == t.codes &&
           std::strcmp(end, " \r\n") == 0;
}

std::string ContestModel::Describe(const Totals& t) {
    char text[160];
    std::snprintf(text, sizeof text, "%d QSOs, %d points, %d DXCC, %d codes, K %d, VE %d, score %d",
                  t.qsos, t.points, t.dxcc, t.codes, t.k, t.ve, t.score);
    return text;
}

std::string ContestModel::MomentKey(const COleDateTime* time) {
    if (!time || time->m_status != COleDateTime::valid) {
        return "s" + std::to_string(time ? time->m_status : COleDateTime::null);
    }
    // Days since 1899-12-30, the fraction counting forward from midnight also
    // before that day, to the nearest second; the years 100 to 9999 only.
    const double dt = time->m_dt;
    constexpr double kFirstDay = -657434.0;      // 0100-01-01
    constexpr double kDayAfterLast = 2958466.0;  // 10000-01-01
    if (!std::isfinite(dt) || dt <= kFirstDay - 1.0 || dt >= kDayAfterLast) {
        return "out";
    }
    double days = std::trunc(dt);
    double seconds = std::floor(std::fabs(dt - days) * 86400.0 + 0.5 + 1e-6);
    if (seconds >= 86400.0) {
        days += 1.0;
        seconds -= 86400.0;
    }
    if (days >= kDayAfterLast) {
        return "out";
    }
    return std::to_string(static_cast<long long>(days)) + ":" +
           std::to_string(static_cast<long long>(seconds));
}

int ContestModel::Add(const ChaosQso& qso) {
    if (ExpectedAdd(qso) == 0) {
        return 0;
    }
    Record s{qso.call.Read(),
             qso.band.Read(),
             qso.mode.Read(),
             qso.prefix.Read(),
             std::string(),
             qso.time.key,
             false};
    if (SendsLocationCode(s.prefix, s.call)) {
        s.code = StationMultiplier(Normalised(qso.exchRcvd.Read()), s.call);
        s.codeError = s.code.empty();
    }
    m_Stored.push_back(std::move(s));
    return 1;
}

void ContestModel::Remove(const ChaosQso& qso) {
    for (auto it = m_Stored.begin(); it != m_Stored.end(); ++it) {
        if (it->call == qso.call.Read() && it->band == qso.band.Read() &&
            it->mode == qso.mode.Read() && it->timeKey == qso.time.key) {
            m_Stored.erase(it);
            return;
        }
    }
}

int ContestModel::ExpectedCheck(const std::string& call, const std::string& mode,
                                const std::string& prefix, const ArgText& band,
                                const ArgText& refBand) const {
    if (!band.null && !refBand.null && !SameBandName(band.text, refBand.text)) {
        return 4;
    }
    bool countryWorked = false;
    for (const Record& s : m_Stored) {
        if (s.call == call && s.band == band.Read() && s.mode == mode) {
            return 0;
        }
        countryWorked = countryWorked || (s.mode == mode && s.prefix == prefix);
    }
    return countryWorked ? 1 : 2;
}

ContestModel::Totals ContestModel::ExpectedTotals() const {
    Totals t;
    std::set<std::pair<std::string, std::string>> counted;  // callsign and mode
    std::set<std::pair<bool, std::string>> dxcc;            // CW or not, and prefix
    std::set<std::pair<bool, std::string>> codes;
    for (const Record& s : m_Stored) {
        if (s.call.empty() || s.codeError || !counted.insert({s.call, s.mode}).second) {
            continue;
        }
        const bool cw = s.mode == "CW";
        ++t.qsos;
        t.points += cw ? 4 : 2;
        t.dxcc += dxcc.insert({cw, s.prefix}).second ? 1 : 0;
        t.codes += !s.code.empty() && codes.insert({cw, s.code}).second ? 1 : 0;
        t.k += s.prefix == "K" ? 1 : 0;
        t.ve += s.prefix == "VE" ? 1 : 0;
    }
    t.score = t.points * (t.dxcc + t.codes);
    return t;
}
