// The host's date-time formatting over any value, status and pattern: it
// never fails, and a valid value's text gives back the calendar fields that
// the C library's own calendar computes for it.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "platform/ole_date_time.h"

using namespace platform;

namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr long long kOleDayOfUnixEpoch = 25569;  // 1970-01-01 counted from 1899-12-30
// Beyond this many days either side no date of the years 100 to 9999 lies.
constexpr double kFarOut = 3.0e6;
// The day before 0100-01-01: out of range whatever its time of day, even
// the last half-second that would round into the first day (as on Windows).
constexpr double kDayBeforeFirst = -657435.0;
// Seconds this close to a half may round either way in double arithmetic.
constexpr long double kHalfTolerance = 1e-5L;

const char kFullPattern[] = "%Y-%m-%d %H:%M:%S";

// The text of one whole second counted from the OLE epoch, or "" when no
// date of the years 100 to 9999 has it.
std::string CalendarText(long long oleSeconds) {
    const std::time_t unix = oleSeconds - kOleDayOfUnixEpoch * kSecondsPerDay;
    std::tm t{};
    if (!gmtime_r(&unix, &t) || t.tm_year + 1900 < 100 || t.tm_year + 1900 > 9999) {
        return std::string();
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

// The day counts whole days towards zero; the time of day counts forward
// from that day's midnight, rounded to the nearest second, halves up.
void CheckValidValue(double dt) {
    const std::string text = COleDateTime(dt).Format(kFullPattern);
    if (!std::isfinite(dt) || dt <= kDayBeforeFirst || std::fabs(dt) > kFarOut) {
        Require(text == kInvalidDateTimeText, "no calendar date: invalid");
        return;
    }
    const long double day = std::trunc(static_cast<long double>(dt));
    const long double seconds = std::fabs(static_cast<long double>(dt) - day) * kSecondsPerDay;
    const long long down = static_cast<long long>(std::floor(seconds));
    const long double above = seconds - static_cast<long double>(down);
    const long long dayStart = static_cast<long long>(day) * kSecondsPerDay;
    std::string candidates[2] = {CalendarText(dayStart + down), CalendarText(dayStart + down + 1)};
    if (above < 0.5L - kHalfTolerance) {
        candidates[1] = candidates[0];
    } else if (above > 0.5L + kHalfTolerance) {
        candidates[0] = candidates[1];
    }
    const std::string shown = text == kInvalidDateTimeText ? std::string() : text;
    Require(shown == candidates[0] || shown == candidates[1],
            "the text gives back the calendar's fields");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const double dt = in.Double();
    const auto status = static_cast<COleDateTime::DateTimeStatus>(static_cast<int8_t>(in.Byte()));
    const std::string pattern = in.Rest();
    const std::string text = COleDateTime(dt, status).Format(pattern.c_str());
    if (status == COleDateTime::null) {
        Require(text.empty(), "a null date-time is the empty text");
        return 0;
    }
    if (status != COleDateTime::valid) {
        Require(text == kInvalidDateTimeText, "an invalid date-time says so");
        return 0;
    }
    CheckValidValue(dt);
    if (text != kInvalidDateTimeText && std::strchr(pattern.c_str(), '%') == nullptr) {
        Require(text == pattern.c_str(), "a pattern without fields comes back unchanged");
    }
    return 0;
}
