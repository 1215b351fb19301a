#include "platform/ole_date_time.h"

#include <cmath>

namespace platform {

const char kInvalidDateTimeText[] = "Invalid DateTime";

namespace {

constexpr double kDayBeforeFirst = -657435.0;  // 0100-01-01 is day -657434
constexpr double kDayAfterLast = 2958466.0;    // 10000-01-01
constexpr long long kSecondsPerDay = 86400;
constexpr long long kOleEpochToUnixEpochDays = 25569;  // 1899-12-30 .. 1970-01-01

// Proleptic Gregorian calendar date of a day count from 1970-01-01.
void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

// A field of a valid date (never negative), zero-padded to its width.
void AppendNumber(std::string& out, int value, int width) {
    char digits[8];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 8);
    out.append(static_cast<std::size_t>(width > n ? width - n : 0), '0');
    while (n > 0) {
        out += digits[--n];
    }
}

}  // namespace

bool OleDateToDaySecond(double dt, long long& day, long long& second) {
    if (!std::isfinite(dt) || dt <= kDayBeforeFirst || dt >= kDayAfterLast) {
        return false;
    }
    // For dates before the epoch the fraction still counts forward from
    // midnight: -1.25 is 1899-12-29 06:00. Within the range, converting the
    // value to an integer truncates it exactly as std::trunc does.
    day = static_cast<long long>(dt);
    const double fraction = std::fabs(dt - static_cast<double>(day));
    // Nearest second, exact halves up; the small allowance absorbs the error
    // of the multiplication for values that are meant as halves.
    second = static_cast<long long>(std::floor(fraction * kSecondsPerDay + 0.5 + 1e-6));
    if (second >= kSecondsPerDay) {
        day += 1;
        second -= kSecondsPerDay;
    }
    return day < static_cast<long long>(kDayAfterLast);  // not rounded into the year 10000
}

bool OleDateToCivil(double dt, CivilDateTime& out) {
    long long days = 0;
    long long seconds = 0;
    if (!OleDateToDaySecond(dt, days, seconds)) {
        return false;
    }
    OleDayToDate(days, out.year, out.month, out.day);
    out.hour = static_cast<int>(seconds / 3600);
    out.minute = static_cast<int>(seconds / 60 % 60);
    out.second = static_cast<int>(seconds % 60);
    return true;
}

void OleDayToDate(long long day, int& year, int& month, int& dayOfMonth) {
    CivilFromDays(day - kOleEpochToUnixEpochDays, year, month, dayOfMonth);
}

long long OleDayOf(int year, int month, int day) {
    const long long y = year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kOleEpochToUnixEpochDays;
}

bool SameSecond(const COleDateTime& a, const COleDateTime& b) {
    if (a.m_status != b.m_status) {
        return false;
    }
    if (a.m_status != COleDateTime::valid) {
        return true;
    }
    CivilDateTime x{};
    CivilDateTime y{};
    const bool xDate = OleDateToCivil(a.m_dt, x);
    const bool yDate = OleDateToCivil(b.m_dt, y);
    if (!xDate || !yDate) {
        return xDate == yDate;
    }
    return x.year == y.year && x.month == y.month && x.day == y.day && x.hour == y.hour &&
           x.minute == y.minute && x.second == y.second;
}

std::string COleDateTime::Format(const char* pattern) const {
    if (m_status == null) {
        return std::string();
    }
    CivilDateTime t{};
    if (m_status != valid || !OleDateToCivil(m_dt, t)) {
        return kInvalidDateTimeText;
    }
    std::string out;
    for (const char* p = pattern ? pattern : ""; *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        switch (*++p) {
            case 'Y':
                AppendNumber(out, t.year, 4);
                break;
            case 'm':
                AppendNumber(out, t.month, 2);
                break;
            case 'd':
                AppendNumber(out, t.day, 2);
                break;
            case 'H':
                AppendNumber(out, t.hour, 2);
                break;
            case 'M':
                AppendNumber(out, t.minute, 2);
                break;
            case 'S':
                AppendNumber(out, t.second, 2);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += '%';
                out += *p;
        }
    }
    return out;
}

}  // namespace platform
