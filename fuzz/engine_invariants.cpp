#include "fuzz/engine_invariants.h"

#include <strings.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>

#include "engine/exchange_rules.h"
#include "engine/qso_record.h"
#include "exports/module_state.h"
#include "fuzz/fuzz_check.h"
#include "platform/text.h"
#include "reports/cabrillo_texts.h"
#include "reports/check_texts.h"

using namespace platform;
using namespace engine;
using namespace reports;
using namespace exports;

namespace {

// The module's log, as the host's calls leave it.
ContestLog::Locked Log() {
    return ContestLog::Locked(TheModule().m_Log);
}

// A multiplier as the store keeps it: a code of the table, but Mexico City
// under "CMX" alone, whichever of its codes was sent.
bool Listed(const std::string& code) {
    if (code == "CMX") {
        return true;
    }
    if (code == "DF" || code == "DFE") {
        return false;
    }
    for (int i = 0; i < kMultCodeCount; ++i) {
        if (code == MultCodeTable[i]) {
            return true;
        }
    }
    return false;
}

// A maritime-mobile station that sent its ITU region's number alone, "1"
// to "3": the region that the store must keep.
std::string RegionByNumber(const CInfo& q) {
    const std::size_t n = q.m_Call.size();
    const bool maritime = n >= 3 && q.m_Call.compare(n - 3, 3, "/MM") == 0;
    const std::string sent = TrimWhiteSpace(q.m_ExchRcvd);
    return maritime && (sent == "1" || sent == "2" || sent == "3") ? "R" + sent : std::string();
}

bool StartsWith(const std::string& text, const char* start) {
    return text.compare(0, std::strlen(start), start) == 0;
}

struct Totals {
    int32_t qsos = 0, points = 0, dxcc = 0, codes = 0, k = 0, ve = 0, score = 0;
};

Totals Recount() {
    const ContestLog::Locked data = Log();
    const ContestLogData& log = *data;
    Totals t;
    std::set<std::pair<bool, std::string>> dxcc;
    std::set<std::pair<bool, std::string>> codes;
    std::set<std::pair<std::string, std::string>> counted;  // callsign and mode
    for (std::size_t i = 0; i < log.m_InfoLog.GetSize(); ++i) {
        const CInfo& q = log.m_InfoLog[i];
        if (q.m_Call.empty() || q.m_CodeError != 0 ||
            !counted.insert({q.m_Call, q.m_Mode}).second) {
            continue;
        }
        const bool cw = q.m_Mode == "CW";
        ++t.qsos;
        t.points += cw ? 4 : 2;
        dxcc.insert({cw, q.m_Prefix});
        if (!q.m_MultCode.empty()) {
            codes.insert({cw, q.m_MultCode});
        }
        t.k += q.m_Prefix == "K";
        t.ve += q.m_Prefix == "VE";
    }
    t.dxcc = static_cast<int32_t>(dxcc.size());
    t.codes = static_cast<int32_t>(codes.size());
    t.score = static_cast<int32_t>(static_cast<uint32_t>(t.points) *
                                   static_cast<uint32_t>(t.dxcc + t.codes));
    return t;
}

// The totals and score lines: the last "Total" line, since the title may
// hold anything the host sent.
bool ParseTotals(const std::string& text, Totals& t) {
    const std::size_t at = text.rfind("\r\nTotal\t");
    if (at == std::string::npos) {
        return false;
    }
    int32_t points = 0;
    int32_t dxcc = 0;
    int32_t codes = 0;
    const int fields = std::sscanf(
        text.c_str() + at, "\r\nTotal\t %d\t %d\t %d\t %d\t %d\t %d\r\nScore = %d *( %d + %d) = %d",
        &t.qsos, &t.points, &t.dxcc, &t.codes, &t.k, &t.ve, &points, &dxcc, &codes, &t.score);
    return fields == 10 && points == t.points && dxcc == t.dxcc && codes == t.codes;
}

const char* const kCabrilloTags[] = {
    "START-OF-LOG:",
    "CALLSIGN:",
    "CONTEST:",
    "CATEGORY-OPERATOR:",
    "CATEGORY-ASSISTED:",
    "CATEGORY-BAND:",
    "CATEGORY-MODE:",
    "CATEGORY-POWER:",
    "CATEGORY-STATION:",
    "CATEGORY-TRANSMITTER:",
    "CLAIMED-SCORE:",
    "CLUB:",
    "CREATED-BY:",
    "LOCATION:",
    "EMAIL:",
    "NAME:",
    "ADDRESS:",
    "ADDRESS-CITY:",
    "ADDRESS-STATE-PROVINCE:",
    "ADDRESS-POSTALCODE:",
    "ADDRESS-COUNTRY:",
    "OPERATORS:",
    "SOAPBOX:",
    "QSO:",
    "END-OF-LOG:",
};

// A tag, then a blank and the value or nothing.
bool TaggedLine(const std::string& line) {
    for (const char* tag : kCabrilloTags) {
        const std::size_t n = std::strlen(tag);
        if (line.compare(0, n, tag) == 0 && (line.size() == n || line[n] == ' ')) {
            return true;
        }
    }
    return false;
}

bool HoldsLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// The check beside a log, when there is one: lines of printable ASCII, of at
// most 80 columns, each ending in CR LF; its own count of the module's rules
// comes to the score that the pass claimed.
void CheckFileBeside(const std::string& log) {
    std::string bytes;
    const std::size_t base = log.size() - (sizeof kLogExtension - 1);
    if (!ReadWholeFile(log.substr(0, base) + kCheckExtension, bytes)) {
        return;
    }
    const std::string claimed = std::to_string(TheModule().m_Results.m_ClaimedScore);
    Require(bytes.find("\r\nClaimed score: " + claimed + "\r\n") != std::string::npos &&
                bytes.find(" = " + claimed + "\r\nScore estimated: ") != std::string::npos,
            "the check claims the pass's score");
    for (std::size_t from = 0, end; from < bytes.size(); from = end + 2) {
        end = bytes.find("\r\n", from);
        Require(end != std::string::npos && end - from <= 80, "check lines of 80 columns in CR LF");
        for (std::size_t i = from; i < end; ++i) {
            Require(bytes[i] >= ' ' && bytes[i] <= '~', "check lines of printable ASCII");
        }
    }
}

}  // namespace

void CheckStore() {
    const ContestLog::Locked data = Log();
    const ContestLogData& log = *data;
    for (std::size_t i = 0; i < log.m_InfoLog.GetSize(); ++i) {
        const CInfo& q = log.m_InfoLog[i];
        Require(q.m_Band == "10m", "stored band is 10m");
        Require(q.m_Mode == "CW" || q.m_Mode == "SSB", "stored mode is CW or SSB");
        Require(!q.m_ExchRcvd.empty() && !q.m_ExchSent.empty(), "stored exchanges present");
        Require(q.m_MultCode.empty() || Listed(q.m_MultCode), "location code listed");
        Require(q.m_CodeError == 0 || q.m_CodeError == 1, "code error 0 or 1");
        Require(q.m_CodeError == 0 || q.m_MultCode.empty(), "code error only without a code");
        const std::string region = RegionByNumber(q);
        Require(region.empty() || q.m_MultCode == region, "a maritime region by its number");
    }
    Require(log.m_Bands.size() <= 1 && (log.m_Bands.empty() || log.m_Bands[0] == "10m"),
            "bands: 10m only");
    for (const std::vector<std::string>& row : log.m_BandRows) {
        Require(row.size() == 5, "band row of five");
    }
}

void CheckSummary(const char* text) {
    Require(text != nullptr, "summary text");
    Totals shown;
    Require(ParseTotals(text, shown), "totals and score lines");
    const Totals counted = Recount();
    Require(shown.qsos == counted.qsos, "QSOs recounted");
    Require(shown.points == counted.points, "points recounted");
    Require(shown.dxcc == counted.dxcc, "DXCC multipliers recounted");
    Require(shown.codes == counted.codes, "location multipliers recounted");
    Require(shown.k == counted.k && shown.ve == counted.ve, "K and VE recounted");
    Require(shown.score == counted.score, "score recomputed");
    const ContestLog::Locked log = Log();
    Require(static_cast<int32_t>(log->m_WorkedDxcc[0].GetSize() + log->m_WorkedDxcc[1].GetSize()) ==
                counted.dxcc,
            "worked DXCC lists");
    Require(static_cast<int32_t>(log->m_WorkedCodes[0].GetSize() +
                                 log->m_WorkedCodes[1].GetSize()) == counted.codes,
            "worked code lists");
}

void CheckCallAnswer(int answer, const char* call, const char* mode, const char* prefix,
                     const char* band, const char* refBand) {
    const ContestLog::Locked data = Log();
    const ContestLogData& log = *data;
    int expected = 2;
    if (band && refBand && strcasecmp(band, refBand) != 0) {
        expected = 4;
    } else {
        for (std::size_t i = 0; i < log.m_InfoLog.GetSize() && expected != 0; ++i) {
            const CInfo& q = log.m_InfoLog[i];
            if (q.m_Mode != HostText(mode)) {
                continue;
            }
            if (q.m_Call == HostText(call) && q.m_Band == HostText(band)) {
                expected = 0;
            } else if (q.m_Prefix == HostText(prefix)) {
                expected = 1;
            }
        }
    }
    Require(answer == expected, "call check answers as a walk of the store");
}

void CheckCabrilloFile(const std::string& message) {
    const char produced[] = "File produced: ";
    if (!StartsWith(message, produced)) {
        Require(StartsWith(message, "File not produced: "), "Output message");
        return;
    }
    std::string bytes;
    Require(ReadWholeFile(message.substr(sizeof produced - 1), bytes), "produced file exists");
    std::size_t qsoLines = 0;
    std::size_t from = 0;
    std::string line;
    while (from < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", from);
        Require(end != std::string::npos, "every line of the log ends in CR LF");
        line = bytes.substr(from, end - from);
        Require(!HoldsLineBreak(line), "no CR or LF inside a line of the log");
        Require(TaggedLine(line), "every line of the log has a known tag");
        qsoLines += StartsWith(line, "QSO: ");
        from = end + 2;
    }
    Require(StartsWith(bytes, "START-OF-LOG: 3.0\r\n"), "log starts with its version");
    Require(line == "END-OF-LOG:", "log ends with END-OF-LOG");
    Require(qsoLines == Log()->m_InfoLog.GetSize(), "one QSO line per stored QSO");
    CheckFileBeside(message.substr(sizeof produced - 1));
}

std::size_t CheckErrorFile(std::size_t from) {
    std::string bytes;
    if (!ReadWholeFile("err.txt", bytes)) {
        return 0;
    }
    Require(bytes.size() >= from, "the error list only grows");
    for (std::size_t end; from < bytes.size(); from = end + 2) {
        end = bytes.find("\r\n", from);
        Require(end != std::string::npos, "every error line ends in CR LF");
        Require(!HoldsLineBreak(bytes.substr(from, end - from)), "no CR or LF inside a line");
    }
    return bytes.size();
}
