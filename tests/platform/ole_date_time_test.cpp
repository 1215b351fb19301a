// Formatting of the host's date-time values. The expected texts were taken
// from Windows' own conversion (VariantTimeToSystemTime under Wine).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/ole_date_time.h"

using namespace platform;

TEST(OleDateTime, FormatsDatesAndTimes) {
    struct Case {
        double dt;
        const char* pattern;
        const char* expected;
    } const cases[] = {
        {0.0, "%Y-%m-%d %H%M", "1899-12-30 0000"},
        {1.0, "%Y-%m-%d %H%M", "1899-12-31 0000"},
        {2.0, "%Y-%m-%d %H%M", "1900-01-01 0000"},
        {41622.0 + 12.0 / 1440, "%Y-%m-%d %H%M", "2013-12-14 0012"},
        {41622.0 + 12.0 / 1440, "%Y", "2013"},
        {41622.0 + 14.0 / 24 + 5.0 / 1440, "%H:%M", "14:05"},
        {60.0, "%Y-%m-%d", "1900-02-28"},  // 1900 was no leap year
        {61.0, "%Y-%m-%d", "1900-03-01"},
        {36585.0, "%Y-%m-%d", "2000-02-29"},            // 2000 was
        {-1.25, "%Y-%m-%d %H:%M", "1899-12-29 06:00"},  // the fraction counts forward
        {-0.5, "%Y-%m-%d %H:%M", "1899-12-30 12:00"},
        {-657434.0, "%Y-%m-%d", "0100-01-01"},  // the first day
        {-657434.75, "%Y-%m-%d %H:%M", "0100-01-01 18:00"},
        {2958465.0, "%Y-%m-%d", "9999-12-31"},  // the last day
        {2958465.5, "%Y-%m-%d %H:%M:%S", "9999-12-31 12:00:00"},
        {41622.0 + 59.5 / 86400, "%H:%M:%S", "00:01:00"},  // halves round up
        {41622.0 + 59.4 / 86400, "%H:%M:%S", "00:00:59"},
        {41622.0 + 86399.5 / 86400, "%Y-%m-%d %H:%M:%S", "2013-12-15 00:00:00"},
        {41622.0, "100%% %q", "100% %q"},  // other characters pass through
        {41622.0, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, COleDateTime(c.dt).Format(c.pattern))
            << "value " << c.dt << " pattern '" << c.pattern << "'";
    }
}

TEST(OleDateTime, ValuesWithoutADateAreInvalid) {
    const double cases[] = {
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        -657435.0,        // the year 99
        2958466.0,        // the year 10000
        2958465.9999999,  // rounds into the year 10000
        1e300,
        -1e300,
    };
    for (double dt : cases) {
        EXPECT_EQ("Invalid DateTime", COleDateTime(dt).Format("%Y")) << dt;
    }
}

TEST(OleDateTime, StatusDecidesBeforeTheValue) {
    EXPECT_EQ("Invalid DateTime", COleDateTime(41622.0, COleDateTime::invalid).Format("%Y"));
    EXPECT_EQ("", COleDateTime(41622.0, COleDateTime::null).Format("%Y"));
    EXPECT_EQ("", COleDateTime::FromHost(nullptr).Format("%Y"));
    const COleDateTime host(41622.0);
    EXPECT_EQ("2013", COleDateTime::FromHost(&host).Format("%Y"));
}

TEST(OleDateTime, SameSecondAsALogKeepsIt) {
    const double noon = 41622.5;
    const double second = 1.0 / 86400;
    const auto valid = [](double dt) { return COleDateTime(dt); };
    const auto invalid = [](double dt) { return COleDateTime(dt, COleDateTime::invalid); };
    const COleDateTime null(0.0, COleDateTime::null);
    struct Case {
        COleDateTime a, b;
        bool same;
        const char* what;
    } const cases[] = {
        {valid(noon - 0.4 * second), valid(noon + 0.4 * second), true, "around the second"},
        {valid(noon + 59.5 * second), valid(noon + 60 * second), true, "a half rounds up"},
        {valid(noon), valid(noon + second), false, "the next second"},
        {valid(-1.25), valid(-0.75), false, "before the epoch, other day"},
        {valid(1e300), valid(-1e300), true, "no calendar date either"},
        {valid(1e300), valid(noon), false, "one without a calendar date"},
        {invalid(1.0), invalid(2.0), true, "invalid carries no moment"},
        {null, valid(0.0), false, "null against midnight of day 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.same, SameSecond(c.a, c.b)) << c.what;
        EXPECT_EQ(c.same, SameSecond(c.b, c.a)) << c.what << ", swapped";
    }
}
