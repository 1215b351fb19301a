#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// The host's date-time value, laid out exactly as the host passes it: an OLE
// Automation date (days since 1899-12-30, the time of day as the fraction) at
// offset 0 and a 32-bit status at offset 8.
class COleDateTime {
public:
    enum DateTimeStatus : int32_t { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    explicit COleDateTime(double dt, DateTimeStatus status = valid) : m_dt(dt), m_status(status) {}

    // Reads the host's value; a missing one is a null date-time.
    static COleDateTime FromHost(const COleDateTime* value) {
        return value ? *value : COleDateTime(0.0, null);
    }

    // strftime-style formatting of %Y %m %d %H %M %S and %%, after rounding to
    // the nearest second. Status invalid, or a value that no calendar date of
    // the years 100 to 9999 represents, gives "Invalid DateTime"; null gives "".
    std::string Format(const char* pattern) const;

    // Value and status both equal.
    bool operator==(const COleDateTime& other) const {
        return m_status == other.m_status && m_dt == other.m_dt;
    }
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;
};

static_assert(sizeof(COleDateTime) == 16, "the host passes a 16-byte date-time");
static_assert(offsetof(COleDateTime, m_status) == 8, "the status lies at offset 8");

// The calendar fields of a date-time, rounded to the nearest second.
struct CivilDateTime {
    int year, month, day, hour, minute, second;
};

// False when no calendar date of the years 100 to 9999 represents the value.
bool OleDateToCivil(double dt, CivilDateTime& out);
// The same rounding as a day of the host's count (day 0 is 1899-12-30) and
// the second of that day, without the calendar; false likewise.
bool OleDateToDaySecond(double dt, long long& day, long long& second);

// The whole days from 1899-12-30, the host's day 0 (a Saturday), to a
// calendar date, and back.
long long OleDayOf(int year, int month, int day);
void OleDayToDate(long long day, int& year, int& month, int& dayOfMonth);

// The same moment as a log keeps it, to the second: the same status and, for
// valid values, the same calendar second (two values that no calendar date
// represents are alike). Invalid and null values carry no moment of their own.
bool SameSecond(const COleDateTime& a, const COleDateTime& b);

extern const char kInvalidDateTimeText[];

}  // namespace platform
