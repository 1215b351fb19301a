#pragma once

#include <string>

// ADIF dates and times as the host's date-time values count them: an OLE
// Automation date is the number of days since 1899-12-30, with the time of
// day as the fraction.

// Days since 1899-12-30 of a QSO_DATE "YYYYMMDD" (Gregorian calendar, years
// 1900 to 9999); false when the text is no such date.
bool AdifDateToDays(const std::string& date, int& days);

// Seconds since midnight of a TIME_ON "HHMM" or "HHMMSS"; false when the
// text is no such time.
bool AdifTimeToSeconds(const std::string& time, int& seconds);

// The OLE Automation date of a day count and a time of day.
double OleDateFromDays(int days, int seconds);
