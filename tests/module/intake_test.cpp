// AddData0 and RemoveData0 as the host calls them: results, the error list
// byte for byte, and what the store then holds, seen through the summary
// and the call check.
#include <gtest/gtest.h>

#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"

using namespace platform;

namespace {

class Intake : public ::testing::Test {
protected:
    void SetUp() override { ResetAsHost(); }

    static std::string Errors() { return ReadFileBytes("err.txt"); }
    // The QSO count of the 10m row; -1 without such a row.
    static int StoredOn10m() {
        const std::string text = ResultAsHost();
        const std::size_t row = text.find("10m\t ");
        return row == std::string::npos ? -1 : std::stoi(text.substr(row + 5));
    }

    ScratchDir m_Dir;
};

}  // namespace

TEST_F(Intake, OtherBandsAreIgnoredWithoutTouchingTheErrorFile) {
    for (const char* band : {"10M", "15m", "", " 10m", "10m "}) {
        QsoArgs qso;
        qso.band = band;
        qso.exchRcvd = "";  // would be refused on 10m
        EXPECT_EQ(0, AddAsHost(qso)) << "band '" << band << "'";
    }
    EXPECT_FALSE(FileExists("err.txt"));
    EXPECT_EQ(-1, StoredOn10m());
}

TEST_F(Intake, AcceptedQsoCreatesAnEmptyErrorFile) {
    EXPECT_EQ(1, AddAsHost(QsoArgs()));
    EXPECT_TRUE(FileExists("err.txt"));
    EXPECT_EQ("", Errors());
    EXPECT_EQ(1, StoredOn10m());
}

TEST_F(Intake, RefusedQsosWriteOneLineEach) {
    struct Case {
        const char* mode;
        const char* exchSent;
        const char* exchRcvd;
        const char* line;
    } const cases[] = {
        {"CW", "MA", "",
         "QSO:  28012  CW  2013-12-14 0012  W1AW  599  MA  K1ABC  599     "
         "Not full control number recieved !!!\r\n"},
        {"CW", "", "CT",
         "QSO:  28012  CW  2013-12-14 0012  W1AW  599    K1ABC  599  CT   "
         "Not full control number recieved !!!\r\n"},
        // The incomplete exchange is reported before the mode.
        {"FM", "MA", "",
         "QSO:  28012  FM  2013-12-14 0012  W1AW  599  MA  K1ABC  599     "
         "Not full control number recieved !!!\r\n"},
        {"cw", "MA", "CT",
         "QSO:  28012  cw  2013-12-14 0012  W1AW  599  MA  K1ABC  599  CT   "
         "NO CONTEST MODE !!!\r\n"},
        {"RTTY", "MA", "CT",
         "QSO:  28012  RTTY  2013-12-14 0012  W1AW  599  MA  K1ABC  599  CT   "
         "NO CONTEST MODE !!!\r\n"},
    };
    std::string expected;
    for (const Case& c : cases) {
        QsoArgs qso;
        qso.mode = c.mode;
        qso.exchSent = c.exchSent;
        qso.exchRcvd = c.exchRcvd;
        EXPECT_EQ(0, AddAsHost(qso)) << c.line;
        expected += c.line;
    }
    EXPECT_EQ(expected, Errors());
    // The refused QSOs entered their band all the same: a row of zeros.
    EXPECT_EQ(0, StoredOn10m());
}

TEST_F(Intake, BlanksCountAsAnExchange) {
    QsoArgs qso;
    qso.prefix = "DL";
    qso.exchSent = " ";
    qso.exchRcvd = " ";
    EXPECT_EQ(1, AddAsHost(qso));
    EXPECT_EQ("", Errors());
}

TEST_F(Intake, LocationCodesAreNormalisedAndChecked) {
    struct Case {
        const char* prefix;
        const char* call;
        const char* exchRcvd;
        const char* errorLine;  // null: no line
    } const cases[] = {
        {"K", "K1ABC", " ma ", nullptr},
        {"K", "K1ABC", "\tnh\r\n", nullptr},
        {"VE", "VE3XYZ", "on", nullptr},
        {"K", "K1ABC", "ON", nullptr},  // a Canadian code from the US is fine
        {"K", "K1ABC", "R1", nullptr},  // so is a region
        {"XE", "XE1X", "DF", nullptr},
        {"XE", "XE1X", "dfe", nullptr},
        {"XE", "XE1X", " cmx ", nullptr},  // Mexico City's code of today, from
        {"VE", "VE3XYZ", "CMX", nullptr},  // every station that sends a code
        {"DL", "DL1ABC/MM", "CMX", nullptr},
        {"XE", "XE1X", "CMXX", "  CMXX  Code State/Province is not acceptable !!!\r\n"},
        {"VE", "VE5AA", "SK", nullptr},  // Saskatchewan
        {"VE", "VO1AA", "NF", nullptr},  // Newfoundland and Labrador, as sent on the air
        {"VE", "VO2AA", " lb ", nullptr},
        {"VE", "VO1AA", "NFL", "  NFL  Code State/Province is not acceptable !!!\r\n"},
        {"DL", "DL1ABC/MM", "r1", nullptr},
        {"DL", "DL1ABC/MM", "2", nullptr},  // a region by its number alone
        {"K", "W7MEY/MM", " 3 ", nullptr},
        {"G", "G4ABC/MM", "4", "  4  Code State/Province is not acceptable !!!\r\n"},
        {"K", "K1ABC", "1", "  1  Code State/Province is not acceptable !!!\r\n"},
        {"DL", "DL1ABC", "abc", nullptr},  // a serial number is not checked
        {"K", "K1ABC", "123", "  123  Code State/Province is not acceptable !!!\r\n"},
        {"K", "K1ABC", " m a ", "  M A  Code State/Province is not acceptable !!!\r\n"},
        {"XE", "XE1X", "SL", "  SL  Code State/Province is not acceptable !!!\r\n"},
        {"G", "G4ABC/MM", "xx", "  XX  Code State/Province is not acceptable !!!\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.prefix) + " " + c.call + " '" + c.exchRcvd + "'");
        const std::string before = Errors();
        QsoArgs qso;
        qso.prefix = c.prefix;
        qso.call = c.call;
        qso.exchRcvd = c.exchRcvd;
        EXPECT_EQ(1, AddAsHost(qso));
        const std::string written = Errors().substr(before.size());
        if (c.errorLine) {
            const std::string start =
                std::string("QSO:  28012  CW  2013-12-14 0012  W1AW  599  MA  ") + c.call +
                "  599  " + c.exchRcvd;
            EXPECT_EQ(start + c.errorLine, written);
        } else {
            EXPECT_EQ("", written);
        }
    }
}

TEST_F(Intake, FieldsAreWrittenAsGiven) {
    QsoArgs qso;
    qso.freqHz = 28012999;  // truncated to whole kilohertz
    qso.exchRcvd = "";
    qso.nullTime = true;
    AddAsHost(qso);
    qso.freqHz = 4294967295u;
    qso.nullTime = false;
    qso.time = COleDateTime(41622.0, COleDateTime::invalid);
    AddAsHost(qso);
    qso.freqHz = 0;
    qso.time = OleDate(1999, 1, 2, 23, 59, 59);
    qso.myCall = "";
    qso.rstSent = "";
    AddAsHost(qso);
    const std::string tail = "     Not full control number recieved !!!\r\n";
    EXPECT_EQ("QSO:  28012  CW    W1AW  599  MA  K1ABC  599" + tail +
                  "QSO:  4294967  CW  Invalid DateTime  W1AW  599  MA  K1ABC  599" + tail +
                  "QSO:  0  CW  1999-01-02 2359      MA  K1ABC  599" + tail,
              Errors());
}

TEST_F(Intake, LineBreaksInsideFieldsBecomeBlanks) {
    QsoArgs qso;
    qso.call = "K1\r\nABC";
    qso.exchRcvd = "";
    qso.mode = "C\nW";
    AddAsHost(qso);
    EXPECT_EQ(
        "QSO:  28012  C W  2013-12-14 0012  W1AW  599  MA  K1  ABC  599     "
        "Not full control number recieved !!!\r\n",
        Errors());
}

TEST_F(Intake, ErrorFileIsAppendedTo) {
    WriteFileBytes("err.txt", "earlier pass\r\n");
    QsoArgs qso;
    qso.mode = "AM";
    AddAsHost(qso);
    EXPECT_EQ(
        "earlier pass\r\nQSO:  28012  AM  2013-12-14 0012  W1AW  599  MA  K1ABC  599  CT   "
        "NO CONTEST MODE !!!\r\n",
        Errors());
}

TEST_F(Intake, MissingStringsReadAsEmpty) {
    QsoArgs qso;
    qso.myCall = nullptr;
    qso.call = nullptr;
    qso.mode = nullptr;
    qso.rstSent = nullptr;
    qso.rstRcvd = nullptr;
    qso.exchSent = nullptr;
    qso.exchRcvd = nullptr;
    qso.prefix = nullptr;
    qso.nullTime = true;
    EXPECT_EQ(0, AddAsHost(qso));
    EXPECT_EQ("QSO:  28012" + std::string(19, ' ') + "Not full control number recieved !!!\r\n",
              Errors());
    qso.band = nullptr;
    EXPECT_EQ(0, AddAsHost(qso));
    EXPECT_EQ(1, RemoveAsHost(qso));
    qso.exchSent = "1";
    qso.exchRcvd = "2";
    qso.mode = "CW";
    qso.band = "10m";
    EXPECT_EQ(1, AddAsHost(qso));
    EXPECT_EQ(1, RemoveAsHost(qso));
}

TEST_F(Intake, IdenticalQsosAreBothStored) {
    EXPECT_EQ(1, AddAsHost(QsoArgs()));
    EXPECT_EQ(1, AddAsHost(QsoArgs()));
    RemoveAsHost(QsoArgs());
    EXPECT_EQ(0, CheckAsHost("K1ABC", "CW", "K", "10m", nullptr)) << "one is left";
    RemoveAsHost(QsoArgs());
    EXPECT_EQ(2, CheckAsHost("K1ABC", "CW", "K", "10m", nullptr));
}

TEST_F(Intake, RemovalTakesTheQsoOfTheSameMode) {
    QsoArgs cw;
    QsoArgs ssb;
    ssb.mode = "SSB";
    AddAsHost(cw);
    AddAsHost(ssb);
    EXPECT_EQ(1, RemoveAsHost(ssb));
    EXPECT_EQ(0, CheckAsHost("K1ABC", "CW", "K", "10m", nullptr)) << "the CW QSO stays";
    EXPECT_EQ(2, CheckAsHost("K1ABC", "SSB", "K", "10m", nullptr)) << "the SSB QSO is gone";
    EXPECT_EQ(1, RemoveAsHost(ssb)) << "nothing left to remove";
    EXPECT_EQ(1, StoredOn10m());
}

TEST_F(Intake, RemovalOfAnUnknownQsoChangesNothing) {
    AddAsHost(QsoArgs());
    QsoArgs other;
    other.call = "k1abc";  // case matters
    EXPECT_EQ(1, RemoveAsHost(other));
    other.call = "K1ABC";
    other.band = "15m";
    EXPECT_EQ(1, RemoveAsHost(other));
    EXPECT_EQ(1, StoredOn10m());
    EXPECT_EQ("", Errors()) << "removal writes nothing";
}

// The host deletes a QSO that the intake refused: no other QSO goes with it.
TEST_F(Intake, RemovingARefusedQsoLeavesTheStoredOnes) {
    AddAsHost(QsoArgs());
    QsoArgs refused;
    refused.time = OleDate(2013, 12, 14, 0, 30);
    refused.exchRcvd = "";
    EXPECT_EQ(0, AddAsHost(refused));
    EXPECT_EQ(1, RemoveAsHost(refused));
    EXPECT_EQ(0, CheckAsHost("K1ABC", "CW", "K", "10m", nullptr)) << "still a duplicate";
    QsoArgs sameSecond;
    sameSecond.time = OleDate(2013, 12, 14, 0, 12, 0);
    sameSecond.time.m_dt += 0.4 / 86400;
    EXPECT_EQ(1, RemoveAsHost(sameSecond));
    EXPECT_EQ(2, CheckAsHost("K1ABC", "CW", "K", "10m", nullptr)) << "removed to the second";
}
