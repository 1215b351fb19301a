#include "host/replay/adif_date.h"

namespace {

constexpr int kSecondsPerDay = 86400;

bool ReadNumber(const std::string& text, std::size_t from, std::size_t digits, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Day 1 is 0001-01-01 of the proleptic Gregorian calendar.
int Ordinal(int year, int month, int day) {
    const int y = year - 1;
    int days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m) {
        days += DaysInMonth(year, m);
    }
    return days + day;
}

}  // namespace

bool AdifDateToDays(const std::string& date, int& days) {
    int year, month, day;
    if (date.size() != 8 || !ReadNumber(date, 0, 4, year) || !ReadNumber(date, 4, 2, month) ||
        !ReadNumber(date, 6, 2, day)) {
        return false;
    }
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return false;
    }
    days = Ordinal(year, month, day) - Ordinal(1899, 12, 30);
    return true;
}

bool AdifTimeToSeconds(const std::string& time, int& seconds) {
    int hour, minute, second = 0;
    if ((time.size() != 4 && time.size() != 6) || !ReadNumber(time, 0, 2, hour) ||
        !ReadNumber(time, 2, 2, minute) || (time.size() == 6 && !ReadNumber(time, 4, 2, second))) {
        return false;
    }
    if (hour > 23 || minute > 59 || second > 59) {
        return false;
    }
    seconds = hour * 3600 + minute * 60 + second;
    return true;
}

double OleDateFromDays(int days, int seconds) {
    return days + static_cast<double>(seconds) / kSecondsPerDay;
}
