// QSO lines of a Cabrillo log as the host hands them to the module, and
// lines that stop a replay.
#include <gtest/gtest.h>

#include "host/replay/cabrillo_qso.h"
#include "host/replay/replay_log.h"
#include "tests/common/scratch_dir.h"

using namespace platform;

namespace {

CountryTable Countries() {
    return CountryTable::Parse(
               "United States: 05: 08: NA: 37.60: 91.87: 5.0: K:\n K,W,N;\n"
               "France: 14: 27: EU: 46.00: -2.00: -1.0: F:\n F;\n"
               "Lithuania: 15: 29: EU: 55.45: -23.63: -2.0: LY:\n LY;\n")
        .Value();
}

Result<HostQso> Mapped(const std::string& value) {
    return MapCabrilloQso(CabrilloLine{12, "QSO", value}, Countries());
}

}  // namespace

TEST(CabrilloQso, FieldsBecomeTheHostsQsoRecord) {
    const Result<HostQso> q = Mapped("28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 579 535");
    ASSERT_TRUE(q.Ok()) << q.Error();
    const HostQso& qso = q.Value();
    EXPECT_EQ(12, qso.line);
    EXPECT_EQ(28050000u, qso.freqHz);
    EXPECT_EQ("10m", qso.band);
    EXPECT_EQ("CW", qso.mode);
    EXPECT_EQ("2024-12-14 13:24:00", qso.qsoTime.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_EQ(COleDateTime::valid, qso.qsoTime.m_status);
    EXPECT_EQ("VE3EJ", qso.myCall);
    EXPECT_EQ("599", qso.rstSent);
    EXPECT_EQ("ON", qso.exchSent);
    EXPECT_EQ("LY5W", qso.call);
    EXPECT_EQ("579", qso.rstRcvd);
    EXPECT_EQ("535", qso.exchRcvd);
    EXPECT_EQ("LY", qso.prefix);
}

TEST(CabrilloQso, ModesBandsTransmitterAndCallsigns) {
    struct Case {
        const char* value;
        const char* mode;
        const char* band;
        const char* call;
        const char* prefix;
    } const cases[] = {
        {"28401 PH 2024-12-14 2041 HK3RD 59 869 VO1CH 59 NF 0", "SSB", "10m", "VO1CH", ""},
        {"29600 FM 2024-12-14 2041 HK3RD 59 1 K1ABC 59 MA", "FM", "10m", "K1ABC", "K"},
        {"28080 RY 2024-12-14 2041 HK3RD 599 1 K1ABC 599 MA 1", "RTTY", "10m", "K1ABC", "K"},
        {"28080 DG 2024-12-14 2041 HK3RD 599 1 K1ABC 599 MA", "DATA", "10m", "K1ABC", "K"},
        {"21050 cw 2024-12-14 2041 HK3RD 599 1 K1ABC 599 MA", "CW", "15m", "K1ABC", "K"},
        {"28050 CW 2024-12-14 2041 HK3RD 599 1 F8FKFZ/ 599 12", "CW", "10m", "F8FKFZ/", "F"},
        {"28050\tCW  2024-12-14 2041 HK3RD 39 1 W1AW 59 CT", "CW", "10m", "W1AW", "K"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const Result<HostQso> qso = Mapped(c.value);
        ASSERT_TRUE(qso.Ok()) << qso.Error();
        EXPECT_EQ(c.mode, qso.Value().mode);
        EXPECT_EQ(c.band, qso.Value().band);
        EXPECT_EQ(c.call, qso.Value().call);
        EXPECT_EQ(c.prefix, qso.Value().prefix);
    }
}

TEST(CabrilloQso, BrokenLinesAreNamed) {
    struct Case {
        const char* value;
        const char* error;
    } const cases[] = {
        {"28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599",
         "line 12: QSO line of 9 fields; expected 10, and the transmitter as an 11th"},
        {"28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535 0 X",
         "line 12: QSO line of 12 fields; expected 10, and the transmitter as an 11th"},
        {"28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535 2",
         "line 12: transmitter \"2\" is neither 0 nor 1"},
        {"28.050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535",
         "line 12: frequency \"28.050\" is not a number of kHz"},
        {"4294968 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535",
         "line 12: frequency \"4294968\" is not a number of kHz"},
        {"28050 SSB 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535",
         "line 12: mode \"SSB\" is none of CW, PH, FM, RY, DG"},
        {"28050 CW 2024/12/14 1324 VE3EJ 599 ON LY5W 599 535",
         "line 12: date \"2024/12/14\" is not a date of the form YYYY-MM-DD"},
        {"28050 CW 2023-02-29 1324 VE3EJ 599 ON LY5W 599 535",
         "line 12: date \"2023-02-29\" is not a date of the form YYYY-MM-DD"},
        {"28050 CW 2024-12-14 13:24 VE3EJ 599 ON LY5W 599 535",
         "line 12: time \"13:24\" is not a time of the form HHMM"},
        {"28050 CW 2024-12-14 132400 VE3EJ 599 ON LY5W 599 535",
         "line 12: time \"132400\" is not a time of the form HHMM"},
        {"28050 CW 2024-12-14 2400 VE3EJ 599 ON LY5W 599 535",
         "line 12: time \"2400\" is not a time of the form HHMM"},
    };
    for (const Case& c : cases) {
        const Result<HostQso> qso = Mapped(c.value);
        EXPECT_FALSE(qso.Ok()) << c.value;
        EXPECT_EQ(c.error, qso.Error()) << c.value;
    }
}

TEST(ReplayLog, ReadsACabrilloLogByItsContent) {
    ScratchDir dir;
    const std::string log =
        "START-OF-LOG: 3.0\nCALLSIGN: VE3EJ\nHQ-GRID-LOCATOR: FN03ED\n"
        "QSO: 28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535\n"
        "QSO: 28053 CW 2024-12-14 1328 VE3EJ 599 ON NB1N 599 MA\n";
    WriteFileBytes("log.adi", log + "END-OF-LOG:\n");
    WriteFileBytes("bad.cbr", log + "QSO: 28054 CW 2024-12-14 1328 VE3EJ 599 ON YU5R 599\n");

    const auto read = LoadReplayLog("log.adi", Countries(), "N0DEF");
    ASSERT_TRUE(read.Ok()) << read.Error();
    ASSERT_EQ(2u, read.Value().qsos.size());
    EXPECT_EQ(5, read.Value().qsos[1].line);
    EXPECT_EQ("K", read.Value().qsos[1].prefix);
    EXPECT_EQ("VE3EJ", read.Value().qsos[1].myCall) << "the line's own callsign";
    ASSERT_EQ(3u, read.Value().header.size());
    EXPECT_EQ("HQ-GRID-LOCATOR", read.Value().header[2].tag);

    EXPECT_EQ("bad.cbr, line 6: QSO line of 9 fields; expected 10, and the transmitter as an 11th",
              LoadReplayLog("bad.cbr", Countries(), "N0DEF").Error());
}
