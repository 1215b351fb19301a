#include "tests/common/host_calls.h"

#include <gtest/gtest.h>

#include "tests/common/module_exports.h"

using namespace platform;

namespace {

const char kJunk[] = "junk";

using Entry = decltype(ModuleExports::AddData0);

int CallQsoEntry(Entry entry, const QsoArgs& q) {
    COleDateTime time = q.time;
    COleDateTime other(12345.5);
    return entry(q.myCall, q.call, q.nullTime ? nullptr : &time, &other, &other, &other, 0xDEADu,
                 q.freqHz, q.mode, q.rstSent, q.rstRcvd, q.exchSent, q.exchRcvd, kJunk, kJunk,
                 kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, q.prefix, -7, 99, 1, 3.5, -1e9,
                 kJunk, kJunk, kJunk, q.band, kJunk);
}

}  // namespace

COleDateTime OleDate(int year, int month, int day, int hour, int minute, int second) {
    return COleDateTime(static_cast<double>(OleDayOf(year, month, day)) +
                        (hour * 3600 + minute * 60 + second) / 86400.0);
}

QsoArgs MakeQso(const char* call, const char* mode, const char* prefix, const char* exchRcvd) {
    QsoArgs qso;
    qso.call = call;
    qso.mode = mode;
    qso.prefix = prefix;
    qso.exchRcvd = exchRcvd;
    return qso;
}

int AddAsHost(const QsoArgs& qso) {
    return CallQsoEntry(Module().AddData0, qso);
}

int RemoveAsHost(const QsoArgs& qso) {
    return CallQsoEntry(Module().RemoveData0, qso);
}

int ResetAsHost(int reportMode, const char* myCall, COleDateTime date1) {
    COleDateTime date2 = date1;
    return ResetAsHostWithDates(reportMode, myCall, &date1, &date2);
}

int ResetAsHostWithDates(int reportMode, const char* myCall, COleDateTime* date1,
                         COleDateTime* date2) {
    return Module().ResetStats0(kJunk, reportMode, myCall, date1, date2, kJunk, kJunk, kJunk, kJunk,
                                kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, 1, 2, 3, 4.0, 5.0, kJunk,
                                kJunk, kJunk);
}

std::string ResultAsHost(int* resultFlag) {
    int flag = 12345;
    const char* text = Module().GetResult0(resultFlag ? resultFlag : &flag);
    return text ? text : "<null>";
}

int CheckAsHost(const char* call, const char* mode, const char* prefix, const char* band,
                const char* refBand) {
    char buf1[64] = "untouched";
    char buf2[64] = "untouched";
    const int result = Module().CheckCall0(
        call, 1u, 2u, mode, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, prefix,
        1, 2, 3, 4.0, 5.0, kJunk, kJunk, kJunk, kJunk, kJunk, band, refBand, buf1, buf2);
    // The host's two buffers are never written.
    EXPECT_STREQ("untouched", buf1);
    EXPECT_STREQ("untouched", buf2);
    return result;
}
