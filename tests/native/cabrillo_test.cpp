// Report passes through the desktop seam: the header dialog's values and
// settings, the Cabrillo file byte for byte and the operator's message.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "exports/module_state.h"
#include "platform/string_format.h"
#include "reports/cabrillo_log.h"
#include "tests/common/fake_desktop.h"
#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"

using namespace platform;
using namespace reports;
using namespace exports;

namespace {

const char kWenda[] = "Plugins/WENDA.ini";

std::string HeaderLines(const std::string& claimed, const std::string& createdBy,
                        const std::string& name = "", const std::string& soapBox = "") {
    return "START-OF-LOG: 3.0\r\n"
           "CALLSIGN: W1AW\r\n"
           "CONTEST: ARRL-10\r\n"
           "CATEGORY-OPERATOR: SINGLE-OP\r\n"
           "CATEGORY-ASSISTED: NON-ASSISTED\r\n"
           "CATEGORY-BAND: 10M\r\n"
           "CATEGORY-MODE: SSB\r\n"
           "CATEGORY-POWER: HIGH\r\n"
           "CATEGORY-STATION: FIXED\r\n"
           "CATEGORY-TRANSMITTER: ONE\r\n"
           "CLAIMED-SCORE: " +
           claimed +
           "\r\n"
           "CLUB: \r\n"
           "CREATED-BY: Vexo " +
           createdBy +
           "\r\n"
           "LOCATION: DX\r\n"
           "EMAIL: \r\n"
           "NAME: " +
           name +
           "\r\n"
           "ADDRESS: \r\n"
           "ADDRESS-CITY: \r\n"
           "ADDRESS-STATE-PROVINCE: \r\n"
           "ADDRESS-POSTALCODE: \r\n"
           "ADDRESS-COUNTRY: \r\n"
           "OPERATORS: W1AW\r\n"
           "SOAPBOX: " +
           soapBox + "\r\n";
}

class Report : public ::testing::Test {
protected:
    void Confirm(std::function<void(CabrilloHeader&)> edit = nullptr) {
        m_Desktop.editHeader = [edit](CabrilloHeader& h) {
            if (edit) {
                edit(h);
            }
            return true;
        };
    }
    static void AddQso(const char* call, const char* mode, const char* prefix, const char* exchRcvd,
                       unsigned freqHz, COleDateTime time) {
        QsoArgs q = MakeQso(call, mode, prefix, exchRcvd);
        q.freqHz = freqHz;
        q.time = time;
        AddAsHost(q);
    }

    ScratchDir m_Dir;
    FakeDesktop m_Desktop;
};

}  // namespace

TEST(CabrilloHelpers, FileNameFromTheCallsign) {
    struct Case {
        const char* myCall;
        const char* expected;
    } const cases[] = {
        {"W1AW", "W1AW"},     {"W1AW/P", "W1AW_P"}, {"VE3/W1AW/M", "VE3_W1AW_M"},
        {" /", "_"},          {"A\\B", "A_B"},      {"", "WENDA"},
        {" \t\r\n", "WENDA"}, {"  W1AW  ", "W1AW"}, {"W 1", "W 1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, CabrilloFileName(c.myCall)) << "'" << c.myCall << "'";
    }
}

TEST(CabrilloHelpers, ReplaceAll) {
    struct Case {
        const char* text;
        const char* search;
        const char* replacement;
        const char* expected;
    } const cases[] = {
        {"a\r\nb", "\r", "<CR>", "a<CR>\nb"},
        {"a<CR><LF>b", "<CR>", "\r\nSOAPBOX: ", "a\r\nSOAPBOX: <LF>b"},
        {"aaa", "a", "aa", "aaaaaa"},  // the replacement is not searched again
        {"<CR<CR>>", "<CR>", "", "<CR>"},
        {"xyz", "x", "x", "xyz"},
        {"", "x", "y", ""},
        {"no match", "<LF>", "\n", "no match"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, CCabrilloLog::ReplaceAll(c.text, c.search, c.replacement))
            << "'" << c.text << "' '" << c.search << "'";
    }
}

TEST(CabrilloHelpers, QsoLines) {
    CCabrilloLog log;
    log.m_Callsign = "VERYLONGCALLSIGN/MM";
    log.AddQsoLine("AVERYLONGCALLSIGN/P", 28300, "??", COleDateTime(0, COleDateTime::null), "57",
                   "12345", "58", "ABCDE");
    log.m_Callsign = "W1AW";
    log.AddQsoLine("DL1ABC", 28450, "PH", OleDate(2013, 12, 14, 13, 5), "59", "MA", "59", "1234");
    log.AddQsoLine("K1ABC", 28012, "CW", COleDateTime(1, COleDateTime::invalid), "5", "MA", "5",
                   "CA");
    log.AddQsoLine("K\r1\n", 999999, "CW", OleDate(2013, 12, 14), "", "\tMA", "", "C\x01");
    EXPECT_EQ(
        "QSO: 28300 ??  VERYLONGCALLSIGN/MM 59  12345  AVERYLONGCALLSIGN/P  59  ABCDE\r\n"
        "QSO: 28450 PH 2013-12-14 1305 W1AW          59  MA     DL1ABC        59  1234\r\n"
        "QSO: 28012 CW Invalid DateTime W1AW          599 MA     K1ABC         599 CA\r\n"
        "QSO: 999999 CW 2013-12-14 0000 W1AW          599  MA    K 1           599 C \r\n",
        log.m_QsoLines);
}

TEST(CabrilloHelpers, QsoLineTimeIsTheDateTimesFormat) {
    const COleDateTime times[] = {
        OleDate(2023, 12, 9, 0, 6),
        OleDate(2023, 12, 9, 23, 59, 59),
        COleDateTime(-657434.0),        // 0100-01-01
        COleDateTime(2958465.9999999),  // 9999-12-31, rounded up past the last day
        COleDateTime(-1.25),            // before 1899-12-30: the fraction still counts forward
        COleDateTime(41622.5, COleDateTime::invalid),
        COleDateTime(0, COleDateTime::null),
    };
    for (const COleDateTime& time : times) {
        CCabrilloLog log;
        log.m_Callsign = "W1AW";
        log.AddQsoLine("K1ABC", 28000, "CW", time, "", "MA", "", "CT");
        EXPECT_EQ(StringPrintf("QSO: %5i %2s %s %-13s 599 %-5s  %-12s  599 %s\r\n", 28000, "CW",
                               time.Format("%Y-%m-%d %H%M").c_str(), "W1AW", "MA", "K1ABC", "CT"),
                  log.m_QsoLines)
            << time.m_dt;
    }
}

TEST_F(Report, HeaderDialogShowsStoredAndConstantValues) {
    ResetAsHost(1, "W1AW");
    ASSERT_EQ((std::vector<std::string>{"header"}), m_Desktop.calls)
        << "no windows in a report pass";
    const CabrilloHeader& h = m_Desktop.shownHeader;
    EXPECT_EQ("W1AW", h.m_Callsign);
    EXPECT_EQ("W1AW", h.m_Operators) << "the callsign stands in for missing operators";
    for (const std::string* empty :
         {&h.m_Name, &h.m_Address, &h.m_AddressCity, &h.m_AddressStProv, &h.m_AddressPostalCode,
          &h.m_AddressCountry, &h.m_Claimed, &h.m_Email, &h.m_Club, &h.m_SoapBox}) {
        EXPECT_EQ("", *empty);
    }
    EXPECT_EQ("ARRL-10", h.m_Contest);
    EXPECT_EQ("SINGLE-OP", h.m_CategoryOperator);
    EXPECT_EQ("NONE", h.m_CategoryOverlay);
    EXPECT_EQ("SSB", h.m_CategoryMode);
    EXPECT_EQ("10M", h.m_CategoryBand);
    EXPECT_EQ("HIGH", h.m_CategoryPower);
    EXPECT_EQ("ONE", h.m_CategoryTransmitter);
    EXPECT_EQ("DX", h.m_Location);
    EXPECT_EQ("FIXED", h.m_CategoryStation);
    EXPECT_EQ("NON-ASSISTED", h.m_CategoryAssisted);
    EXPECT_EQ("0", SettingsValue("Start"));
}

// Any length: the portable profile reader has no buffer to cut to.
TEST_F(Report, HeaderValuesComeWholeFromTheSharedFile) {
    const std::string name(70000, 'x');
    WriteFileBytes(kWenda,
                   "[Settings]\r\nOperators=W1AW K1ABC\r\nName=" + name +
                       "\r\nAddress_City=Newington\r\nClaimed=1234\r\nSoapBox=one<CR><LF>two"
                       "\r\nCategory=MULTI-OP\r\nContest=OTHER\r\n");
    ResetAsHost(1, "W1AW");
    const CabrilloHeader& h = m_Desktop.shownHeader;
    EXPECT_EQ("W1AW K1ABC", h.m_Operators);
    EXPECT_EQ(name, h.m_Name);
    EXPECT_EQ("Newington", h.m_AddressCity);
    EXPECT_EQ("1234", h.m_Claimed);
    EXPECT_EQ("one\r\ntwo", h.m_SoapBox);
    EXPECT_EQ("SINGLE-OP", h.m_CategoryOperator) << "categories always start from the constants";
    EXPECT_EQ("ARRL-10", h.m_Contest);
}

TEST_F(Report, CategoryValuesAreWrittenInUpperCase) {
    Confirm([](CabrilloHeader& h) {
        h.m_CategoryOperator = "multi-op";
        h.m_CategoryAssisted = "Assisted";
        h.m_CategoryBand = "10m";
        h.m_CategoryMode = "Mixed";
        h.m_CategoryPower = "qrp";
        h.m_CategoryStation = "Fixed";
        h.m_CategoryTransmitter = "one";
        h.m_CategoryOverlay = "rookie";
        h.m_Location = "ma";  // not a category: as typed
        h.m_Club = "Yankee Clipper";
    });
    ResetAsHost(1, "W1AW");
    ResultAsHost();
    const std::string log = ReadFileBytes("W1AW.cbr");
    EXPECT_NE(std::string::npos,
              log.find("\r\nCATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-ASSISTED: ASSISTED\r\n"
                       "CATEGORY-BAND: 10M\r\nCATEGORY-MODE: MIXED\r\nCATEGORY-POWER: QRP\r\n"
                       "CATEGORY-STATION: FIXED\r\nCATEGORY-TRANSMITTER: ONE\r\n"))
        << log;
    EXPECT_NE(std::string::npos, log.find("\r\nCLUB: Yankee Clipper\r\n"));
    EXPECT_NE(std::string::npos, log.find("\r\nLOCATION: ma\r\n"));
    EXPECT_EQ(
        "[Settings]\r\n"
        "Operators=W1AW\r\nName=\r\nAddress=\r\nAddress_City=\r\nAddress_St_Prov=\r\n"
        "Address_PostalCode=\r\nAddress_Country=\r\nCategory=MULTI-OP\r\n"
        "Category_Overlay=ROOKIE\r\nContest=ARRL-10\r\nEmail=\r\nClub=Yankee "
        "Clipper\r\nSoapBox=\r\n",
        ReadFileBytes(kWenda));
}

TEST_F(Report, ConfirmedHeaderIsSavedExceptTheClaimedScore) {
    Confirm([](CabrilloHeader& h) {
        h.m_Name = "Jo Op";
        h.m_Claimed = "999999";
        h.m_CategoryOperator = "MULTI-OP";
        h.m_CategoryOverlay = "ROOKIE";
        h.m_SoapBox = "A\r\nB";
        h.m_CategoryPower = "QRP";
    });
    ResetAsHost(1, "W1AW");
    EXPECT_EQ(
        "[Settings]\r\n"
        "Operators=W1AW\r\nName=Jo Op\r\nAddress=\r\nAddress_City=\r\nAddress_St_Prov=\r\n"
        "Address_PostalCode=\r\nAddress_Country=\r\nCategory=MULTI-OP\r\n"
        "Category_Overlay=ROOKIE\r\nContest=ARRL-10\r\nEmail=\r\nClub=\r\nSoapBox=A<CR><LF>B\r\n",
        ReadFileBytes(kWenda));
    EXPECT_EQ("", TheModule().m_Results.m_CabrilloLog.m_Claimed);
    EXPECT_EQ("A\r\nSOAPBOX: B", TheModule().m_Results.m_CabrilloLog.m_SoapBox);
    EXPECT_EQ("QRP", TheModule().m_Results.m_CabrilloLog.m_CategoryPower);

    m_Desktop.editHeader = nullptr;
    ResetAsHost(1, "W1AW");
    EXPECT_EQ("SINGLE-OP", m_Desktop.shownHeader.m_CategoryOperator);
    EXPECT_EQ("A\r\nB", m_Desktop.shownHeader.m_SoapBox);
    EXPECT_EQ("Jo Op", m_Desktop.shownHeader.m_Name);
}

TEST_F(Report, TypedEscapesComeBackAsLineBreaks) {
    Confirm([](CabrilloHeader& h) { h.m_SoapBox = "x<CR>y"; });
    ResetAsHost(1, "W1AW");
    m_Desktop.editHeader = nullptr;
    ResetAsHost(1, "W1AW");
    EXPECT_EQ("x\ry", m_Desktop.shownHeader.m_SoapBox);
}

TEST_F(Report, CancelSavesNothingAndKeepsTheSoapBoxTagged) {
    WriteFileBytes(kWenda, "[Settings]\r\nSoapBox=first<CR><LF>second<CR><LF>\r\n");
    m_Desktop.editHeader = [](CabrilloHeader& h) {
        h.m_Name = "ignored";
        return false;
    };
    ResetAsHost(1, "W1AW");
    EXPECT_EQ("[Settings]\r\nSoapBox=first<CR><LF>second<CR><LF>\r\n", ReadFileBytes(kWenda));
    EXPECT_EQ("", TheModule().m_Results.m_CabrilloLog.m_Name);
    EXPECT_EQ("first\r\nSOAPBOX: second\r\nSOAPBOX: ",
              TheModule().m_Results.m_CabrilloLog.m_SoapBox);
}

TEST_F(Report, WholePassWritesTheLogAndTellsTheOperator) {
    Confirm([](CabrilloHeader& h) {
        h.m_Name = "Jo Op";
        h.m_SoapBox = "Fun\r\nSee you";
    });
    m_Desktop.version = "2.5";
    ResetAsHost(1, "W1AW");
    AddQso("K1ABC", "CW", "K", "CT", 28012000, OleDate(2013, 12, 14, 0, 12));
    AddQso("DL1ABC", "SSB", "DL", "1234", 28450000, OleDate(2013, 12, 14, 13, 5));
    AddQso("K2XYZ", "CW", "K", "123", 28020000, OleDate(2013, 12, 14, 23, 59));  // refused code
    int flag = 0;
    const std::string summary = ResultAsHost(&flag);
    EXPECT_EQ(-1, flag);
    EXPECT_EQ(std::string::npos, summary.find("Scored by")) << "no credit in report mode";
    EXPECT_NE(std::string::npos, summary.find("Score = 6 *( 2 + 1) = 18 \r\n"));
    EXPECT_EQ("info:Output:File produced: W1AW.cbr", m_Desktop.calls.back());
    EXPECT_EQ(
        HeaderLines("18", "2.5", "Jo Op", "Fun\r\nSOAPBOX: See you") +
            "QSO: 28012 CW 2013-12-14 0012 W1AW          599 MA     K1ABC         599 CT\r\n"
            "QSO: 28450 PH 2013-12-14 1305 W1AW          59  MA     DL1ABC        59  1234\r\n"
            "QSO: 28020 CW 2013-12-14 2359 W1AW          599 MA     K2XYZ         599 123\r\n"
            "END-OF-LOG:\r\n",
        ReadFileBytes("W1AW.cbr"));
}

TEST_F(Report, DuplicatesKeepTheirLines) {
    Confirm();
    ResetAsHost(1, "W1AW");
    AddQso("K1ABC", "CW", "K", "CT", 28012000, OleDate(2013, 12, 14, 0, 12));
    AddQso("K1ABC", "CW", "K", "CT", 28013000, OleDate(2013, 12, 14, 0, 40));
    ResultAsHost();
    EXPECT_EQ(HeaderLines("8", "") +
                  "QSO: 28012 CW 2013-12-14 0012 W1AW          599 MA     K1ABC         599 CT\r\n"
                  "QSO: 28013 CW 2013-12-14 0040 W1AW          599 MA     K1ABC         599 CT\r\n"
                  "END-OF-LOG:\r\n",
              ReadFileBytes("W1AW.cbr"));
}

TEST_F(Report, EmptyStoreStillWritesTheLog) {
    Confirm();
    ResetAsHost(1, "W1AW");
    int flag = 0;
    ResultAsHost(&flag);
    EXPECT_EQ(-1, flag);
    EXPECT_EQ("info:Output:File produced: W1AW.cbr", m_Desktop.calls.back());
    EXPECT_EQ(HeaderLines("0", "") + "END-OF-LOG:\r\n", ReadFileBytes("W1AW.cbr"));
}

TEST_F(Report, EveryQsoOnceAfterCancelOrRepeatedCalls) {
    ResetAsHost(1, "W1AW");  // cancelled
    AddQso("K1ABC", "CW", "K", "CT", 28012000, OleDate(2013, 12, 14, 0, 12));
    ResultAsHost();
    ResultAsHost();
    EXPECT_EQ(HeaderLines("8", "") +
                  "QSO: 28012 CW 2013-12-14 0012 W1AW          599 MA     K1ABC         599 CT\r\n"
                  "END-OF-LOG:\r\n",
              ReadFileBytes("W1AW.cbr"));
    EXPECT_EQ("QSO: 28012 CW 2013-12-14 0012 W1AW          599 MA     K1ABC         599 CT\r\n",
              TheModule().m_Results.m_CabrilloLog.m_QsoLines);
}

TEST_F(Report, UnwritableFileIsNotReportedAsProduced) {
    Confirm();
    std::filesystem::create_directory("W1AW.cbr");  // a folder stands where the file would go
    ResetAsHost(1, "W1AW");
    int flag = 0;
    ResultAsHost(&flag);
    EXPECT_EQ("info:Output:File not produced: W1AW.cbr", m_Desktop.calls.back());
    EXPECT_EQ(-1, flag);
}

TEST_F(Report, ControlCharactersNeverBreakALine) {
    Confirm([](CabrilloHeader& h) {
        h.m_Name = "Jo\rOp";
        h.m_Club = "Big\nGun\tClub";
        h.m_SoapBox = "a\tb\nc";  // a lone line feed is dropped, the tab blanked
    });
    ResetAsHost(1, "W1AW\x02");
    ResultAsHost(nullptr);
    const std::string log = ReadFileBytes("W1AW\x02.cbr");
    EXPECT_NE(std::string::npos, log.find("\r\nCALLSIGN: W1AW \r\n"));
    EXPECT_NE(std::string::npos, log.find("\r\nNAME: Jo Op\r\n"));
    EXPECT_NE(std::string::npos, log.find("\r\nCLUB: Big Gun Club\r\n"));
    EXPECT_NE(std::string::npos, log.find("\r\nSOAPBOX: a bc\r\n"));
}

TEST_F(Report, NullResultFlagIsNotWritten) {
    Confirm();
    ResetAsHost(1, "W1AW");
    EXPECT_NE("<null>", ResultAsHost(nullptr));
    EXPECT_EQ("info:Output:File produced: W1AW.cbr", m_Desktop.calls.back());
}

namespace {

int OpenFileDescriptors() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        count += entry.is_symlink() ? 1 : 0;
    }
    return count;
}

// Files larger than this cannot be written while it lasts, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_Previous);
        m_PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a signal
        const rlimit limit{bytes, m_Previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_Previous);
        std::signal(SIGXFSZ, m_PreviousHandler);
    }

private:
    rlimit m_Previous{};
    void (*m_PreviousHandler)(int) = nullptr;
};

}  // namespace

TEST_F(Report, FullDiskKeepsTheEarlierLogAndNoHandle) {
    Confirm();
    WriteFileBytes("W1AW.cbr", "the earlier log\r\n");
    ResetAsHost(1, "W1AW");
    AddQso("K1ABC", "CW", "K", "CT", 28012000, OleDate(2013, 12, 14, 0, 12));
    const int descriptors = OpenFileDescriptors();
    {
        FileSizeLimit full(200);  // the header alone is longer
        ResultAsHost();
    }
    EXPECT_EQ("info:Output:File not produced: W1AW.cbr", m_Desktop.calls.back());
    EXPECT_EQ("the earlier log\r\n", ReadFileBytes("W1AW.cbr"));
    EXPECT_FALSE(FileExists("W1AW.cbr.tmp"));
    EXPECT_EQ(descriptors, OpenFileDescriptors()) << "the cut file was left open";
    ResultAsHost();
    EXPECT_EQ("info:Output:File produced: W1AW.cbr", m_Desktop.calls.back());
    EXPECT_NE(std::string::npos, ReadFileBytes("W1AW.cbr").find("K1ABC"));
}

TEST_F(Report, DeviceNamesAreNeverOpened) {
    struct Case {
        const char* myCall;
        const char* file;
        bool produced;
    } const cases[] = {
        {"NUL", "NUL.cbr", false},
        {"nul", "nul.cbr", false},
        {"Con", "Con.cbr", false},
        {"PRN", "PRN.cbr", false},
        {"aux", "aux.cbr", false},
        {"COM1", "COM1.cbr", false},
        {"com9", "com9.cbr", false},
        {"LPT1", "LPT1.cbr", false},
        {"Lpt9", "Lpt9.cbr", false},
        {"NUL.txt", "NUL.txt.cbr", false},  // any extension
        {"CON .x", "CON .x.cbr", false},    // blanks before it too
        // Names that only look alike are files.
        {"NULL", "NULL.cbr", true},
        {"COM10", "COM10.cbr", true},
        {"LPT0", "LPT0.cbr", true},
        {"CONX", "CONX.cbr", true},
        {"W1AW/CON", "W1AW_CON.cbr", true},
    };
    Confirm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.myCall);
        ResetAsHost(1, c.myCall);
        ResultAsHost();
        const std::string message = c.produced ? "File produced: " : "File not produced: ";
        EXPECT_EQ("info:Output:" + message + c.file, m_Desktop.calls.back());
        EXPECT_EQ(c.produced, FileExists(c.file));
    }
}
