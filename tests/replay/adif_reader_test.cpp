// Reading ADIF: records, their fields and lines, and every way a file can be broken.
#include <gtest/gtest.h>

#include "host/replay/adif_reader.h"
#include "tests/common/scratch_dir.h"

namespace {

using Fields = std::map<std::string, std::string>;

AdifLog Parsed(const std::string& text) {
    Result<AdifLog> log = ParseAdif(text);
    EXPECT_TRUE(log.Ok()) << log.Error();
    return log.Ok() ? log.Value() : AdifLog();
}

}  // namespace

TEST(AdifReader, ReadsHeaderAndRecordsWithTheirLines) {
    const AdifLog log = Parsed(
        "Exported by a logger\r\n"
        "<ADIF_VER:5>3.1.4 <programid:4>test <EOH>\r\n"
        "<CALL:5>K1ABC <qso_date:8:D>20231209 free text <Time_On:4>0012 <eor>\r\n"
        "\r\n"
        "<CALL:4>W1AW <COMMENT:10>two\r\nlines <SRX_STRING:0> <EOR>\r\n"
        "<CALL:6>DL1ABC\r\n"
        "<EOR>\r\n");
    EXPECT_EQ((Fields{{"ADIF_VER", "3.1.4"}, {"PROGRAMID", "test"}}), log.header);
    ASSERT_EQ(3u, log.records.size());
    EXPECT_EQ(3, log.records[0].line);
    EXPECT_EQ((Fields{{"CALL", "K1ABC"}, {"QSO_DATE", "20231209"}, {"TIME_ON", "0012"}}),
              log.records[0].fields);
    EXPECT_EQ(5, log.records[1].line);
    EXPECT_EQ((Fields{{"CALL", "W1AW"}, {"COMMENT", "two\r\nlines"}, {"SRX_STRING", ""}}),
              log.records[1].fields);
    EXPECT_EQ(7, log.records[2].line) << "the value of line 5 spans into line 6";
    EXPECT_EQ("DL1ABC", *log.records[2].Find("CALL"));
    EXPECT_EQ(nullptr, log.records[2].Find("BAND"));
}

TEST(AdifReader, LogsWithoutHeaderAndOddRecords) {
    struct Case {
        const char* text;
        std::vector<Fields> records;
    } const cases[] = {
        {"", {}},
        {"just a header <EOH>\n", {}},
        {"<CALL:5>K1ABC<EOR>", {{{"CALL", "K1ABC"}}}},
        // A file that starts with a field has no header.
        {"<ADIF_VER:5>3.1.4 <CALL:4>W1AW <EOR>", {{{"ADIF_VER", "3.1.4"}, {"CALL", "W1AW"}}}},
        // Lengths count bytes: what follows belongs to the next field or is ignored.
        {"<CALL:3>W1AWX <EOR>", {{{"CALL", "W1A"}}}},
        {"<NOTES:9><EOR>text <EOR>", {{{"NOTES", "<EOR>text"}}}},
        // A repeated field keeps its last value; an empty record is no record.
        {"<CALL:2>AA <call:2>BB <EOR> <EOR>", {{{"CALL", "BB"}}}},
        {"<EOR><CALL:2>AA <EOR>trailing text", {{{"CALL", "AA"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const AdifLog log = Parsed(c.text);
        ASSERT_EQ(c.records.size(), log.records.size());
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            EXPECT_EQ(c.records[i], log.records[i].fields);
        }
    }
}

TEST(AdifReader, BrokenFilesNameTheLine) {
    struct Case {
        const char* text;
        const char* error;
    } const cases[] = {
        {"<CALL5>K1ABC <EOR>", "line 1: malformed field tag <CALL5>"},
        {"\n<CALL:x>K <EOR>", "line 2: malformed field tag <CALL:x>"},
        {"<CALL:-1>K <EOR>", "line 1: malformed field tag <CALL:-1>"},
        {"<:1>K <EOR>", "line 1: malformed field tag <:1>"},
        {"<CALL:1:>K <EOR>", "line 1: malformed field tag <CALL:1:>"},
        {"<CALL:1:S:X>K <EOR>", "line 1: malformed field tag <CALL:1:S:X>"},
        {"<MY CALL:1>K <EOR>", "line 1: malformed field tag <MY CALL:1>"},
        {"<CALL:1>K <EOR:0>", "line 1: malformed field tag <EOR:0>"},
        {"<CALL:1>K <FOO> <EOR>", "line 1: malformed field tag <FOO>"},
        {"<CALL:1234567890>K <EOR>", "line 1: malformed field tag <CALL:1234567890>"},
        {"<CALL:1>K <EOR>\n<CALL:1>K\n<EOR", "line 3: field tag without a closing '>'"},
        {"<CALL:5>K1ABC <EOR>\n\n<CALL:20>W1AW <EOR>",
         "line 3: the value of CALL (20 bytes) runs past the end of the file"},
        {"<CALL:5>K1ABC <EOR>\n<NOTES:3>a\nb <CALL:4>W1AW\n",
         "line 2: record without <EOR> at the end of the file"},
        {"<NOTES:3>a\nb <EOR>\n<CALL:4>W1AW",
         "line 3: record without <EOR> at the end of the file"},
        {"<CALL:1>K <EOR>\n<EOH>", "line 2: <EOH> after the header"},
        {"<EOH> <EOH>", "line 1: <EOH> after the header"},
    };
    for (const Case& c : cases) {
        const Result<AdifLog> log = ParseAdif(c.text);
        EXPECT_FALSE(log.Ok()) << c.text;
        EXPECT_EQ(c.error, log.Error()) << c.text;
    }
}

TEST(AdifReader, ReadsFilesAndNamesTheFileInErrors) {
    ScratchDir dir;
    WriteFileBytes("good.adi", "<EOH>\r\n<CALL:4>W1AW <EOR>\r\n");
    WriteFileBytes("bad.adi", "<EOH>\r\n<CALL:4>W1AW\r\n");

    const Result<AdifLog> good = ReadAdifFile("good.adi");
    ASSERT_TRUE(good.Ok()) << good.Error();
    ASSERT_EQ(1u, good.Value().records.size());
    EXPECT_EQ(2, good.Value().records[0].line);

    EXPECT_EQ("bad.adi, line 2: record without <EOR> at the end of the file",
              ReadAdifFile("bad.adi").Error());
    const Result<AdifLog> missing = ReadAdifFile("missing.adi");
    EXPECT_FALSE(missing.Ok());
    EXPECT_EQ(0u, missing.Error().find("cannot open missing.adi")) << missing.Error();
}
