#include "reports/checked_qso.h"

#include "engine/qso_intake.h"

std::optional<int64_t> LogMinute(const COleDateTime& time) {
    constexpr int64_t kMinutesPerDay = 24 * 60;
    CivilDateTime t{};
    if (time.m_status != COleDateTime::valid || !OleDateToCivil(time.m_dt, t)) {
        return std::nullopt;
    }
    return OleDayOf(t.year, t.month, t.day) * kMinutesPerDay + t.hour * 60 + t.minute;
}

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
                            NormaliseCode(r.m_ExchRcvd), r.m_MultCode, r.m_CodeError != 0,
                            LogMinute(r.m_Time), qsoLines.substr(from, end - from)});
            from = end == std::string::npos ? qsoLines.size() : end + 2;
        }
        return qsos;
    } catch (...) {
        return std::nullopt;
    }
}
