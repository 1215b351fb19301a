// Our date formatting against Windows' own conversion of the same values.
#include <windows.h>
// after windows.h
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "platform/ole_date_time.h"

using namespace platform;

namespace {

std::string WindowsText(double dt) {
    SYSTEMTIME st;
    if (!VariantTimeToSystemTime(dt, &st)) {
        return "Invalid DateTime";
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond);
    return buf;
}

void ExpectSameText(double dt) {
    EXPECT_EQ(WindowsText(dt), COleDateTime(dt).Format("%Y-%m-%d %H:%M:%S"))
        << "value " << std::hexfloat << dt;
}

}  // namespace

TEST(VariantTime, AgreesOnChosenValues) {
    const double values[] = {
        0.0,
        1.0,
        -1.0,
        -1.25,
        -0.5,
        0.5,
        60.0,
        61.0,
        36585.0,
        41622.0 + 12.0 / 1440,
        41622.0 + 59.5 / 86400,
        41622.0 + 86399.5 / 86400,
        -657434.0,
        -657434.75,
        -657435.0,
        -657435.9999952335,  // the day before the first, rounding into it: still invalid
        2958465.0,
        2958465.5,
        73051.0,
        -36522.0,
        1e7,
        -1e7,
    };
    for (double dt : values) {
        ExpectSameText(dt);
    }
}

TEST(VariantTime, AgreesAcrossTheRange) {
    // Values spread over the whole range, the top second of 9999 excluded
    // (Wine accepts the year 10000 there).
    uint64_t state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
        const double dt = -657434.0 + unit * (2958465.99 + 657434.0);
        ExpectSameText(dt);
    }
}
