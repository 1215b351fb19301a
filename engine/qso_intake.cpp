#include "engine/qso_intake.h"

#include <cstdio>
#include <cstring>

#include "engine/contest_log.h"
#include "engine/engine_texts.h"
#include "engine/exchange_rules.h"
#include "platform/text.h"

namespace engine {

namespace {

// The error list, opened for appending for the length of one call. Other
// programs may have it open at the same time.
class ErrorFile {
public:
    ErrorFile() : m_File(std::fopen(kErrorFileName, "ab")) {}
    ~ErrorFile() {
        if (m_File) {
            std::fclose(m_File);
        }
    }
    ErrorFile(const ErrorFile&) = delete;
    ErrorFile& operator=(const ErrorFile&) = delete;

    // Lines end in CR LF on every platform, as text mode writes them on the host's.
    void WriteLine(const std::string& line) {
        if (m_File) {
            std::fwrite(line.data(), 1, line.size(), m_File);
            std::fwrite("\r\n", 1, 2, m_File);
            std::fflush(m_File);
        }
    }

private:
    std::FILE* m_File;
};

// A field of an error line; a line break inside it would split the line.
std::string Field(const char* text) {
    std::string field(text);
    for (char& c : field) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return field;
}

// The date is formatted only for a line: most QSOs write none.
std::string CommonStart(const QsoRecord& qso, unsigned int freqKHz) {
    const char* const sep = "  ";
    return "QSO:  " + std::to_string(freqKHz) + sep + Field(qso.mode) + sep +
           Field(qso.qsoTime.Format(kQsoTimeFormat).c_str()) + sep + Field(qso.myCall) + sep +
           Field(qso.rstSent) + sep + Field(qso.exchSent) + sep + Field(qso.call) + sep +
           Field(qso.rstRcvd) + sep + Field(qso.exchRcvd);
}

CInfo MakeRecord(const QsoRecord& qso, unsigned int freqKHz) {
    CInfo record;
    record.m_Call = qso.call;
    record.m_Prefix = qso.prefix;
    record.m_Band = qso.band;
    record.m_Mode = qso.mode;
    record.m_RstRcvd = qso.rstRcvd;
    record.m_RstSent = qso.rstSent;
    record.m_ExchRcvd = qso.exchRcvd;
    record.m_ExchSent = qso.exchSent;
    record.m_FreqKHz = static_cast<int32_t>(freqKHz);
    record.m_Time = qso.qsoTime;
    return record;
}

// The multiplier that the received code counts as; a maritime mobile
// station may name its region by the number alone.
const char* StationMultCode(const std::string& code, const std::string& call) {
    const char* multCode = MultCodeOf(code.c_str());
    return multCode || !IsMaritimeMobile(call) ? multCode : RegionOfNumber(code.c_str());
}

}  // namespace

std::string NormaliseCode(const std::string& exchange) {
    return platform::TrimWhiteSpace(platform::UpperCased(exchange));
}

bool IsMaritimeMobile(const std::string& call) {
    const std::size_t n = call.size();
    return n >= 3 && call[n - 1] == 'M' && call[n - 2] == 'M' && call[n - 3] == '/';
}

bool SendsLocationCode(const std::string& prefix, const std::string& call) {
    return prefix == "K" || prefix == "VE" || prefix == "XE" || IsMaritimeMobile(call);
}

int AddQso(ContestLog& log, const QsoRecord& qso) {
    if (std::strcmp(qso.band, kContestBand) != 0) {
        return 0;
    }
    ErrorFile errors;
    log.EnterBand(qso.band);
    const unsigned int freqKHz = qso.freqHz / 1000;

    if (*qso.exchRcvd == '\0' || *qso.exchSent == '\0') {
        errors.WriteLine(CommonStart(qso, freqKHz) + kTailIncomplete);
        return 0;
    }
    if (std::strcmp(qso.mode, kModeCw) != 0 && std::strcmp(qso.mode, kModeSsb) != 0) {
        errors.WriteLine(CommonStart(qso, freqKHz) + kTailNoContestMode);
        return 0;
    }
    CInfo record = MakeRecord(qso, freqKHz);
    if (SendsLocationCode(record.m_Prefix, record.m_Call)) {
        const std::string code = NormaliseCode(record.m_ExchRcvd);
        if (const char* multCode = StationMultCode(code, record.m_Call)) {
            record.m_MultCode = multCode;
        } else {
            errors.WriteLine(CommonStart(qso, freqKHz) + "  " + Field(code.c_str()) + kTailBadCode);
            record.m_CodeError = 1;
        }
    }
    ContestLog::Locked data(log);
    data->m_InfoLog.Add(std::move(record));
    return 1;
}

int RemoveQso(ContestLog& log, const QsoRecord& qso) {
    ContestLog::Locked data(log);
    CInfoLog& store = data->m_InfoLog;
    const CInfo* found = nullptr;
    store.ForEachOfCall(qso.call, [&](const CInfo& record) {
        if (record.m_Band == qso.band && record.m_Mode == qso.mode &&
            platform::SameSecond(record.m_Time, qso.qsoTime)) {
            found = &record;
        }
        return !found;
    });
    if (found) {
        store.RemoveAt(store.IndexOf(*found));
    }
    return 1;
}

}  // namespace engine
