// A Cabrillo log's own header as the answers to the module's header dialog.
#include <gtest/gtest.h>

#include "host/simulator/log_header.h"

TEST(LogHeader, TagsOfTheDialogsFieldsBecomeItsValues) {
    const std::vector<CabrilloLine> header = {
        {1, "START-OF-LOG", "3.0"},
        {2, "CALLSIGN", "HK3RD"},
        {3, "CATEGORY-MODE", "MIXED"},
        {4, "EMAIL", "op@example.org"},
        {5, "ADDRESS", "Calle 1"},
        {6, "CLAIMED-SCORE", "1426384"},
        {7, "ADDRESS", "Bogota"},
        {8, "SOAPBOX", "Great fun"},
        {9, "HQ-CATEGORY", "Multioperator"},
        {10, "SOAPBOX", "73"},
        {11, "CREATED-BY", "some logger"},
        {12, "CLUB", "First"},
        {13, "CLUB", "Radio Club El Dorado"},
        {14, "X-QSO", "28050 CW 2024-12-14 1324 HK3RD 599 1 K1ABC 599 MA"},
        {15, "LOCATION", "DX"},
    };
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"CALLSIGN", "HK3RD"},
        {"CATEGORY-MODE", "MIXED"},
        {"E-MAIL", "op@example.org"},
        {"ADDRESS", "Calle 1, Bogota"},
        {"SOAPBOX", "Great fun\\n73"},
        {"CLUB", "Radio Club El Dorado"},
        {"LOCATION", "DX"},
    };
    std::vector<std::pair<std::string, std::string>> entries;
    for (const HeaderEntry& entry : HeaderFromLog(header)) {
        entries.emplace_back(entry.field, entry.value);
    }
    EXPECT_EQ(expected, entries);
}
