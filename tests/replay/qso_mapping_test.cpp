// ADIF records as the host hands them to the module: date-times, frequencies,
// bands, modes, exchanges, callsigns and prefixes, and unreadable records.
#include <gtest/gtest.h>

#include "host/replay/adif_date.h"
#include "host/replay/band_plan.h"
#include "host/replay/qso_mapping.h"
#include "host/replay/replay_log.h"
#include "tests/common/scratch_dir.h"

using namespace platform;

namespace {

const char kRequired[] = "<CALL:5>K1ABC <QSO_DATE:8>20231209 <TIME_ON:4>0012 ";

CountryTable Countries() {
    return CountryTable::Parse(
               "United States: 05: 08: NA: 37.60: 91.87: 5.0: K:\n K,W;\n"
               "Fed. Rep. of Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n DL;\n")
        .Value();
}

// The record of these fields, as the host would hand it over.
Result<HostQso> Mapped(const std::string& fields) {
    const Result<AdifLog> log = ParseAdif(fields + "<EOR>");
    if (!log.Ok() || log.Value().records.size() != 1) {
        return Result<HostQso>::Failure("not one record: " + log.Error());
    }
    return MapAdifRecord(log.Value().records[0], Countries(), "N0DEF");
}

HostQso MappedOk(const std::string& fields) {
    const Result<HostQso> qso = Mapped(fields);
    EXPECT_TRUE(qso.Ok()) << qso.Error();
    return qso.Ok() ? qso.Value() : HostQso();
}

}  // namespace

TEST(AdifDate, DatesAndTimesBecomeOleDates) {
    struct Case {
        const char* date;
        const char* time;
        double ole;
        const char* formatted;  // by the host's own date-time formatting
    } const cases[] = {
        {"19000101", "0000", 2.0, "1900-01-01 00:00:00"},
        {"19000301", "0000", 61.0, "1900-03-01 00:00:00"},  // 1900 had no 29 February
        {"20000229", "1200", 36585.5, "2000-02-29 12:00:00"},
        {"20131214", "0012", 41622.0 + 12.0 / 1440, "2013-12-14 00:12:00"},
        {"20231209", "235959", 45269.0 + 86399.0 / 86400, "2023-12-09 23:59:59"},
        {"20231210", "000001", 45270.0 + 1.0 / 86400, "2023-12-10 00:00:01"},
        {"99991231", "2359", 2958465.0 + 1439.0 / 1440, "9999-12-31 23:59:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.time);
        int days = -1;
        int seconds = -1;
        ASSERT_TRUE(AdifDateToDays(c.date, days));
        ASSERT_TRUE(AdifTimeToSeconds(c.time, seconds));
        EXPECT_DOUBLE_EQ(c.ole, OleDateFromDays(days, seconds));
        EXPECT_EQ(c.formatted,
                  COleDateTime(OleDateFromDays(days, seconds)).Format("%Y-%m-%d %H:%M:%S"));
    }
}

TEST(AdifDate, RefusesWhatIsNoDateOrTime) {
    const char* const dates[] = {"",         "2023129",  "202312090", "2023-12-",
                                 "20231300", "20231200", "20230229",  "19000229",
                                 "20230431", "18991231", " 2023120",  "2023120a"};
    for (const char* date : dates) {
        int days = 0;
        EXPECT_FALSE(AdifDateToDays(date, days)) << "'" << date << "'";
    }
    const char* const times[] = {"",     "123",    "12345", "1234567", "2400",
                                 "0060", "235960", "12:0",  "1a00",    "-100"};
    for (const char* time : times) {
        int seconds = 0;
        EXPECT_FALSE(AdifTimeToSeconds(time, seconds)) << "'" << time << "'";
    }
}

TEST(BandPlan, MegahertzBecomeWholeHertz) {
    struct Case {
        const char* text;
        bool ok;
        unsigned int hertz;
    } const cases[] = {
        {"28.025", true, 28025000u},
        {"28.0255", true, 28025500u},
        {"28", true, 28000000u},
        {"28.", true, 28000000u},
        {".5", true, 500000u},
        {" 28.025 ", true, 28025000u},
        {"28.0000005", true, 28000001u},  // halves round up
        {"28.00000049", true, 28000000u},
        {"28.9999999", true, 29000000u},
        {"4294.967295", true, 4294967295u},
        {"4294.967296", false, 0},  // beyond 32 bits
        {"10000", false, 0},
        {"", false, 0},
        {".", false, 0},
        {"-28.0", false, 0},
        {"28,025", false, 0},
        {"2.8e1", false, 0},
        {"28.0.1", false, 0},
    };
    for (const Case& c : cases) {
        unsigned int hertz = 0;
        EXPECT_EQ(c.ok, MegahertzToHertz(c.text, hertz)) << "'" << c.text << "'";
        EXPECT_EQ(c.hertz, hertz) << "'" << c.text << "'";
    }
}

TEST(BandPlan, BandsOfFrequencies) {
    struct Case {
        unsigned int hertz;
        const char* band;
    } const cases[] = {
        {28000000u, "10m"}, {29700000u, "10m"}, {27999999u, ""},    {29700001u, ""},
        {21025000u, "15m"}, {1800000u, "160m"}, {3573000u, "80m"},  {7074000u, "40m"},
        {14074000u, "20m"}, {50313000u, "6m"},  {144300000u, "2m"}, {432100000u, "70cm"},
        {0u, ""},           {4294967295u, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.band, BandOfFrequency(c.hertz)) << c.hertz << " Hz";
    }
    EXPECT_EQ("10m", HostBandName("10M"));
    EXPECT_EQ("70cm", HostBandName(" 70CM "));
}

TEST(QsoMapping, FillsEveryUsedPosition) {
    const HostQso qso = MappedOk(
        "\r\n<CALL:6>DL1ABC <QSO_DATE:8>20231209 <TIME_ON:6>001230 <BAND:3>10M "
        "<FREQ:7>28.0255 <MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>579 <STX_STRING:2>MA "
        "<SRX_STRING:3>001 <STATION_CALLSIGN:5>N1ZQX ");
    EXPECT_EQ(2, qso.line);
    EXPECT_EQ("DL1ABC", qso.call);
    EXPECT_EQ("2023-12-09 00:12:30", qso.qsoTime.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_EQ(COleDateTime::valid, qso.qsoTime.m_status);
    EXPECT_EQ(28025500u, qso.freqHz);
    EXPECT_EQ("10m", qso.band);
    EXPECT_EQ("CW", qso.mode);
    EXPECT_EQ("599", qso.rstSent);
    EXPECT_EQ("579", qso.rstRcvd);
    EXPECT_EQ("MA", qso.exchSent);
    EXPECT_EQ("001", qso.exchRcvd);
    EXPECT_EQ("N1ZQX", qso.myCall);
    EXPECT_EQ("DL", qso.prefix);
}

TEST(QsoMapping, ModesAsTheHostNamesThem) {
    struct Case {
        const char* fields;
        const char* mode;
    } const cases[] = {
        {"<MODE:2>CW ", "CW"},
        {"<mode:2>cw ", "CW"},
        {"<MODE:3>SSB <SUBMODE:3>USB ", "SSB"},
        {"<MODE:3>SSB <SUBMODE:3>LSB ", "SSB"},
        {"<MODE:3>USB ", "SSB"},
        {"<MODE:3>lsb ", "SSB"},
        {"<MODE:2>FM ", "FM"},  // passed on, for the module to refuse
        {"<MODE:4>RTTY ", "RTTY"},
        {"<MODE:3>FT8 ", "FT8"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.mode, MappedOk(kRequired + std::string(c.fields)).mode) << c.fields;
    }
}

TEST(QsoMapping, BandsAndFrequencies) {
    struct Case {
        const char* fields;
        const char* band;
        unsigned int freqHz;
    } const cases[] = {
        {"<BAND:3>10M <FREQ:6>28.025 ", "10m", 28025000u},
        {"<BAND:3>15m <FREQ:6>21.025 ", "15m", 21025000u},
        {"<FREQ:6>28.025 ", "10m", 28025000u},  // the band of the frequency
        {"<FREQ:6>21.025 ", "15m", 21025000u},
        {"<FREQ:6>27.025 ", "", 27025000u},
        {"<BAND:3>10M ", "10m", 0u},
        {"<BAND:3>10M <FREQ:6>21.025 ", "10m", 21025000u},  // the log's band stands
        {"", "", 0u},
    };
    for (const Case& c : cases) {
        const HostQso qso = MappedOk(kRequired + std::string(c.fields));
        EXPECT_EQ(c.band, qso.band) << c.fields;
        EXPECT_EQ(c.freqHz, qso.freqHz) << c.fields;
    }
}

TEST(QsoMapping, ExchangesFallBackToNumbersAndLocations) {
    struct Case {
        const char* fields;
        const char* exchSent;
        const char* exchRcvd;
    } const cases[] = {
        {"<STX_STRING:2>MA <SRX_STRING:2>CT ", "MA", "CT"},
        {"<STX_STRING:2>MA <STX:1>7 <SRX_STRING:3>012 <SRX:2>12 ", "MA", "012"},
        {"<STX:2>15 <SRX:3>123 ", "15", "123"},
        {"<MY_STATE:2>MA <STATE:2>TX ", "MA", "TX"},
        {"<VE_PROV:2>ON ", "", "ON"},
        {"<SRX:2>57 <STATE:2>TX <VE_PROV:2>ON ", "", "57"},
        {"<STATE:2>TX <VE_PROV:2>ON ", "", "TX"},
        {"<STX_STRING:0> <STX:1>3 <SRX_STRING:0> <STATE:2>NY ", "3", "NY"},  // empty is absent
        {"<SRX_STRING:4> ma  ", "", " ma "},                                 // as the log has it
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const HostQso qso = MappedOk(kRequired + std::string(c.fields));
        EXPECT_EQ(c.exchSent, qso.exchSent) << c.fields;
        EXPECT_EQ(c.exchRcvd, qso.exchRcvd) << c.fields;
    }
}

TEST(QsoMapping, OwnCallAndCountryPrefix) {
    struct Case {
        const char* fields;
        const char* myCall;
        const char* prefix;
    } const cases[] = {
        {"<CALL:5>K1ABC <STATION_CALLSIGN:5>N1ZQX <OPERATOR:4>W1OP ", "N1ZQX", "K"},
        {"<CALL:5>K1ABC <OPERATOR:4>W1OP ", "W1OP", "K"},
        {"<CALL:5>K1ABC ", "N0DEF", "K"},
        {"<CALL:9>DL1ABC/MM ", "N0DEF", "DL"},
        {"<CALL:8>dl/k1abc ", "N0DEF", "DL"},
        {"<CALL:5>K1ABC <APP_VEXO_DXCC_PREFIX:2>KG ", "N0DEF", "KG"},  // the log knows better
        {"<CALL:5>K1ABC <app_vexo_dxcc_prefix:0> ", "N0DEF", "K"},
        {"<CALL:5>Q1ABC ", "N0DEF", ""},  // no country in the file
    };
    for (const Case& c : cases) {
        const HostQso qso =
            MappedOk(std::string(c.fields) + "<QSO_DATE:8>20231209 <TIME_ON:4>0012 ");
        EXPECT_EQ(c.myCall, qso.myCall) << c.fields;
        EXPECT_EQ(c.prefix, qso.prefix) << c.fields;
    }
}

TEST(QsoMapping, UnreadableRecordsNameTheirLine) {
    struct Case {
        const char* fields;
        const char* error;
    } const cases[] = {
        {"<QSO_DATE:8>20231209 <TIME_ON:4>0012 ", "line 3: record without CALL"},
        {"<CALL:0> <QSO_DATE:8>20231209 <TIME_ON:4>0012 ", "line 3: record without CALL"},
        {"<CALL:2>   <QSO_DATE:8>20231209 <TIME_ON:4>0012 ", "line 3: record without CALL"},
        {"<CALL:5>K1ABC <TIME_ON:4>0012 ", "line 3: record without QSO_DATE"},
        {"<CALL:5>K1ABC <QSO_DATE:8>20231209 ", "line 3: record without TIME_ON"},
        {"<CALL:5>K1ABC <QSO_DATE:10>2023-12-09 <TIME_ON:4>0012 ",
         "line 3: QSO_DATE \"2023-12-09\" is not a date of the form YYYYMMDD"},
        {"<CALL:5>K1ABC <QSO_DATE:8>20231209 <TIME_ON:5>00:12 ",
         "line 3: TIME_ON \"00:12\" is not a time of the form HHMM or HHMMSS"},
        {"<CALL:5>K1ABC <QSO_DATE:8>20231209 <TIME_ON:4>0012 <FREQ:6>28,025 ",
         "line 3: FREQ \"28,025\" is not a frequency in MHz"},
    };
    for (const Case& c : cases) {
        const Result<HostQso> qso = Mapped(std::string("\n\n") + c.fields);
        EXPECT_FALSE(qso.Ok()) << c.fields;
        EXPECT_EQ(c.error, qso.Error()) << c.fields;
    }
}

TEST(ReplayLog, ReadsEveryRecordOrStopsAtTheFirstBadOne) {
    ScratchDir dir;
    const std::string good = "<EOH>\r\n" + std::string(kRequired) + "<EOR>\r\n" +
                             "<CALL:6>DL1ABC <QSO_DATE:8>20231209 <TIME_ON:4>0013 <EOR>\r\n";
    WriteFileBytes("good.adi", good);
    WriteFileBytes("bad.adi", good + "<CALL:4>W1AW <QSO_DATE:8>20231232 <TIME_ON:4>0014 <EOR>\r\n");

    const auto log = LoadReplayLog("good.adi", Countries(), "N0DEF");
    ASSERT_TRUE(log.Ok()) << log.Error();
    const std::vector<HostQso>& qsos = log.Value().qsos;
    ASSERT_EQ(2u, qsos.size());
    EXPECT_EQ("K1ABC", qsos[0].call);
    EXPECT_EQ(2, qsos[0].line);
    EXPECT_EQ("DL", qsos[1].prefix);
    EXPECT_EQ(3, qsos[1].line);
    EXPECT_TRUE(log.Value().header.empty());

    EXPECT_EQ("bad.adi, line 4: QSO_DATE \"20231232\" is not a date of the form YYYYMMDD",
              LoadReplayLog("bad.adi", Countries(), "N0DEF").Error());
    EXPECT_EQ(0u,
              LoadReplayLog("none.adi", Countries(), "N0DEF").Error().find("cannot open none.adi"));
}
