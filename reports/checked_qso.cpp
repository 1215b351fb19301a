#include "reports/checked_qso.h"

#include "engine/exchange_rules.h"
#include "engine/qso_intake.h"

std::optional<int64_t> LogMinute(const COleDateTime& time) {
    constexpr int64_t kMinutesPerDay = 24 * 60;
    CivilDateTime t{};
    if (time.m_status != COleDateTime::valid || !OleDateToCivil(time.m_dt, t)) {
        return std::nullopt;
    }
    return OleDayOf(t.year, t.month, t.day) * kMinutesPerDay + t.hour * 60 + t.minute;
}

namespace {

// The code a station sent, as the sponsor reads it: a maritime-mobile
// station's region may come as its number alone.
std::string SentCode(const std::string& exchange, bool maritime) {
    const std::string code = NormaliseCode(exchange);
    const char* region = maritime ? RegionOfNumber(code.c_str()) : nullptr;
    return region ? region : code;
}

}  // namespace

std::optional<std::vector<CheckedQso>> CheckedQsos(const CInfoLog& log,
                                                   const std::string& qsoLines) noexcept {
    try {
        std::vector<CheckedQso> qsos;
        qsos.reserve(log.GetSize());
        std::size_t from = 0;
        for (std::size_t i = 0; i < log.GetSize(); ++i) {
            const CInfo& r = log[i];
            const std::size_t end = qsoLines.find("\r\n", from);
            qsos.push_back({r.m_Call, r.m_Mode, r.m_Prefix, r.m_ExchSent,
                            SentCode(r.m_ExchRcvd, IsMaritimeMobile(r.m_Call)), r.m_MultCode,
                            r.m_CodeError != 0, LogMinute(r.m_Time),
                            qsoLines.substr(from, end - from)});
            from = end == std::string::npos ? qsoLines.size() : end + 2;
        }
        return qsos;
    } catch (...) {
        return std::nullopt;
    }
}
