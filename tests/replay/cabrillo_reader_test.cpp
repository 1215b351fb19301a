// Cabrillo text: what makes it one, its tagged lines and its QSO lines.
#include <gtest/gtest.h>

#include "host/replay/cabrillo_reader.h"

TEST(CabrilloReader, KnowsACabrilloLogByItsFirstLine) {
    struct Case {
        const char* text;
        bool cabrillo;
    } const cases[] = {
        {"START-OF-LOG: 3.0\r\nCALLSIGN: W1AW\r\n", true},
        {"\r\n \t\nstart-of-log:3.0\n", true},  // blank lines first, any case
        {"START-OF-LOG:", true},
        {"<ADIF_VER:5>3.1.4 <EOH>\r\nSTART-OF-LOG: 3.0\r\n", false},
        {"CALLSIGN: W1AW\r\nSTART-OF-LOG: 3.0\r\n", false},
        {"START-OF-LOG 3.0\r\n", false},
        {"X START-OF-LOG: 3.0\r\n", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.cabrillo, IsCabrilloText(c.text)) << "'" << c.text << "'";
    }
}

TEST(CabrilloReader, SplitsHeaderAndQsoLinesUpToTheEnd) {
    const Result<CabrilloLog> log = ParseCabrillo(
        "START-OF-LOG: 3.0\r\n"
        "CALLSIGN:  VE3EJ \r\n"
        "\r\n"
        "HQ-CATEGORY: Single Operator Unlimited\n"
        "a line without a tag: skipped\r\n"
        "SOAPBOX:\r\n"
        "QSO: 28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535\r\n"
        "X-QSO: 28051 CW 2024-12-14 1325 VE3EJ 599 ON IB9R 599 172\r\n"
        "qso:28052 CW 2024-12-14 1326 VE3EJ 599 ON HA8IB 599 41\n"
        "END-OF-LOG:\r\n"
        "QSO: after the end\r\n");
    ASSERT_TRUE(log.Ok()) << log.Error();
    struct Line {
        int line;
        const char* tag;
        const char* value;
    } const header[] = {
        {1, "START-OF-LOG", "3.0"},
        {2, "CALLSIGN", "VE3EJ"},
        {4, "HQ-CATEGORY", "Single Operator Unlimited"},
        {6, "SOAPBOX", ""},
        {8, "X-QSO", "28051 CW 2024-12-14 1325 VE3EJ 599 ON IB9R 599 172"},
    };
    ASSERT_EQ(std::size(header), log.Value().header.size());
    for (std::size_t i = 0; i < std::size(header); ++i) {
        EXPECT_EQ(header[i].line, log.Value().header[i].line) << i;
        EXPECT_EQ(header[i].tag, log.Value().header[i].tag) << i;
        EXPECT_EQ(header[i].value, log.Value().header[i].value) << i;
    }
    ASSERT_EQ(2u, log.Value().qsos.size());
    EXPECT_EQ(7, log.Value().qsos[0].line);
    EXPECT_EQ("QSO", log.Value().qsos[1].tag);
    EXPECT_EQ("28052 CW 2024-12-14 1326 VE3EJ 599 ON HA8IB 599 41", log.Value().qsos[1].value);
}

TEST(CabrilloReader, TextWithoutStartOfLogIsNoLog) {
    const Result<CabrilloLog> log = ParseCabrillo("<EOH>\r\nQSO: 28050 CW\r\n");
    EXPECT_FALSE(log.Ok());
    EXPECT_EQ("line 1: no START-OF-LOG: this is no Cabrillo log", log.Error());
}
