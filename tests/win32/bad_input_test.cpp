// Bad input through the real DLL under Wine, as a careless host or a damaged
// folder gives it: null strings, megabyte callsigns, bytes above 0x7F, dates
// without a calendar day, a missing Plugins folder, read-only and corrupted
// files, calls before any reset. Every call returns, and with what the rules
// give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/common/host_calls.h"
#include "tests/common/module_exports.h"
#include "tests/common/scratch_dir.h"
#include "tests/common/settings_file.h"
#include "tests/win32/report_pass.h"
#include "tests/win32/window_helpers.h"

using namespace platform;

namespace {

const char kSettingsPath[] = "Plugins/ARRL-10M_CW_SSB.ini";
const std::string kHeads = "Band\tQSOs\tPoints\tDXCC State/Prov\t K \tVE\r\n";
const std::string kIncompleteTail = "   Not full control number recieved !!!\r\n";
const std::string kBadCodeTail = "  Code State/Province is not acceptable !!!\r\n";
const std::string kMebibyte(1 << 20, 'W');

QsoArgs Qso(const std::function<void(QsoArgs&)>& change) {
    QsoArgs qso;
    change(qso);
    return qso;
}

// A QSO whose every string the host left null, but for those it names.
QsoArgs NullStrings(const char* band) {
    QsoArgs qso;
    qso.myCall = qso.call = qso.mode = qso.rstSent = qso.rstRcvd = nullptr;
    qso.exchSent = qso.exchRcvd = qso.prefix = nullptr;
    qso.band = band;
    return qso;
}

// The error line of a refused QSO of the defaults, with this date text.
std::string IncompleteLine(const std::string& date) {
    return "QSO:  28012  CW  " + date + "  W1AW  599  MA  K1ABC  599  " + kIncompleteTail;
}

// A reset that starts no status windows: with "Start" set it only clears it.
int QuietReset(const char* myCall = "W1AW", COleDateTime* date1 = nullptr) {
    WritePrivateProfileStringA("Settings", "Start", "1", "Plugins\\ARRL-10M_CW_SSB.ini");
    COleDateTime contestDay = OleDate(2013, 12, 14);
    return ResetAsHostWithDates(0, myCall, date1 ? date1 : &contestDay, &contestDay);
}

// The first line of the summary, with the year and the contestant.
std::string Title(const std::string& year, const std::string& contestant) {
    return "\t\tARRL 10 Meter Contest " + year + " \r\n\t\t  Contestant: " + contestant + "\r\n";
}

class BadInput : public ::testing::Test {
protected:
    void SetUp() override { QuietReset(); }

    static std::string Errors() { return ReadFileBytes("err.txt"); }

    ScratchDir m_Dir;
};

}  // namespace

// CTest runs each test in a process of its own: here the module sees no
// ResetStats0 before its first GetResult0.
TEST(BadInputFirstCalls, ResultCheckAndAddBeforeAnyReset) {
    ScratchDir dir;
    int flag = 7;
    EXPECT_EQ(Title("", "") + kHeads +
                  "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\n"
                  "Score = 0 *( 0 + 0) = 0 \r\n",
              ResultAsHost(&flag));
    EXPECT_EQ(7, flag);
    EXPECT_EQ("0", SettingsValue("Claimed"));
    EXPECT_EQ(2, CheckAsHost("K1ABC", "CW", "K", "10m", "10m"));
    EXPECT_EQ(1, AddAsHost(QsoArgs()));
    EXPECT_EQ(0, CheckAsHost("K1ABC", "CW", "K", "10m", "10m"));
    EXPECT_NE(std::string::npos, ResultAsHost().find("\r\n10m\t 1\t 4\t\t\t 1\t 0\r\n"));
}

TEST_F(BadInput, NullStringsReadAsEmpty) {
    struct Case {
        const char* what;
        QsoArgs qso;
        int stored;
        std::string errors;
    } const cases[] = {
        {"every string null", NullStrings(nullptr), 0, ""},
        {"all but the band null", NullStrings("10m"), 0,
         "QSO:  28012    2013-12-14 0012            " + kIncompleteTail},
        {"call and prefix null", Qso([](QsoArgs& q) { q.call = q.prefix = nullptr; }), 1, ""},
        {"reports and own call null",
         Qso([](QsoArgs& q) { q.rstSent = q.rstRcvd = q.myCall = nullptr; }), 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("err.txt");
        EXPECT_EQ(c.stored, AddAsHost(c.qso));
        EXPECT_EQ(c.errors, Errors());
        EXPECT_EQ(1, RemoveAsHost(c.qso));
    }
    EXPECT_EQ(2, CheckAsHost(nullptr, nullptr, nullptr, nullptr, nullptr)) << "nothing left";
    EXPECT_EQ(0, Module().IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0));
    EXPECT_EQ(1, Module().IsValidExchg0("1234", nullptr, nullptr, nullptr, 0, 0, 0));
    EXPECT_EQ(1, Module().GetExchgCount0(nullptr, nullptr, nullptr));
    EXPECT_STREQ("", Module().GetSetName(-1));
    EXPECT_EQ(1, QuietReset(nullptr));
    EXPECT_EQ(0u, ResultAsHost().find(Title("2013", "") + kHeads + "Total\t 0\t"));
}

TEST_F(BadInput, DatesWithoutACalendarDay) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        COleDateTime time;
        bool nullTime;
        const char* text;
    } const cases[] = {
        {"NaN", COleDateTime(nan), false, "Invalid DateTime"},
        {"infinite", COleDateTime(inf), false, "Invalid DateTime"},
        {"minus infinite", COleDateTime(-inf), false, "Invalid DateTime"},
        {"huge", COleDateTime(1e308), false, "Invalid DateTime"},
        {"status invalid", COleDateTime(41622.0, COleDateTime::invalid), false, "Invalid DateTime"},
        {"status null", COleDateTime(41622.0, COleDateTime::null), false, ""},
        {"no date-time at all", COleDateTime(), true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("err.txt");
        QsoArgs refused;
        refused.time = c.time;
        refused.nullTime = c.nullTime;
        refused.exchRcvd = "";
        EXPECT_EQ(0, AddAsHost(refused));
        EXPECT_EQ(IncompleteLine(c.text), Errors());

        QsoArgs stored = refused;
        stored.exchRcvd = "CT";
        EXPECT_EQ(1, AddAsHost(stored));
        EXPECT_EQ(1, RemoveAsHost(stored)) << "found again by its date-time";
        EXPECT_EQ(2, CheckAsHost("K1ABC", "CW", "ZZ", "10m", "10m"));

        COleDateTime date1 = c.time;
        EXPECT_EQ(1, QuietReset("W1AW", c.nullTime ? nullptr : &date1));
        EXPECT_EQ(0u, ResultAsHost().find(Title(c.nullTime ? "2013" : c.text, "W1AW")));
    }
}

TEST_F(BadInput, MegabyteCallsigns) {
    QsoArgs dx = MakeQso(kMebibyte.c_str(), "CW", "DL", "001");
    EXPECT_EQ(1, AddAsHost(dx));
    EXPECT_EQ(0, CheckAsHost(kMebibyte.c_str(), "CW", "DL", "10m", "10m"));
    EXPECT_EQ(1, RemoveAsHost(dx));
    EXPECT_EQ(2, CheckAsHost(kMebibyte.c_str(), "CW", "DL", "10m", "10m"));

    QsoArgs badCode = MakeQso(kMebibyte.c_str(), "CW", "K", "XX");
    EXPECT_EQ(1, AddAsHost(badCode));
    EXPECT_EQ("QSO:  28012  CW  2013-12-14 0012  W1AW  599  MA  " + kMebibyte + "  599  XX  XX" +
                  kBadCodeTail,
              Errors());

    EXPECT_EQ(1, QuietReset(kMebibyte.c_str()));
    EXPECT_EQ(0u, ResultAsHost().find(Title("2013", kMebibyte)));
}

TEST_F(BadInput, BytesAboveAscii) {
    EXPECT_EQ(1, AddAsHost(MakeQso("K1ABC", "CW", "K", " \xe9\xc9 ")));
    EXPECT_EQ("QSO:  28012  CW  2013-12-14 0012  W1AW  599  MA  K1ABC  599   \xe9\xc9   \xe9\xc9" +
                  kBadCodeTail,
              Errors())
        << "no letter above ASCII is upper-cased";
    EXPECT_EQ(1, AddAsHost(MakeQso("\xc4K1ABC", "SSB", "\xd6", "001")));
    EXPECT_EQ(0, CheckAsHost("\xc4K1ABC", "SSB", "\xd6", "10m", "10m"));
    EXPECT_EQ(1, CheckAsHost("\xe4K1ABC", "SSB", "\xd6", "10m", "10m")) << "no case folded";
    EXPECT_EQ(4, CheckAsHost("K1ABC", "CW", "K", "10m", "10\xcd"));
    for (const char* exchange : {"\xb9\xb2\xb3", "\xb9\xb2\xb3\xb4", "M\xc1"}) {
        EXPECT_EQ(0, Module().IsValidExchg0(exchange, "", "K", "", 0, 0, 0)) << exchange;
    }
    EXPECT_NE(std::string::npos, ResultAsHost().find("\r\nTotal\t 1\t 2\t 1\t 0\t 0\t 0\r\n"));
}

TEST_F(BadInput, MissingPluginsFolder) {
    std::filesystem::remove_all("Plugins");
    EXPECT_EQ(1, ResetAsHost()) << "\"Start\" cannot be read: it counts as 0";
    HWND dialog = WaitForTopWindow("#32770", "Setup ARRL 10 Meter Contest", 10000);
    EXPECT_TRUE(dialog) << "so the status windows start";
    EXPECT_EQ(1, AddAsHost(QsoArgs()));
    EXPECT_NE(std::string::npos, ResultAsHost().find("Score = 4 *( 1 + 1) = 8 \r\n"));
    EXPECT_FALSE(FileExists("Plugins")) << "no folder is made for the settings";
    if (dialog) {
        PressButton(dialog, IDCANCEL);
        EXPECT_TRUE(PumpMessagesUntil(
            [] { return !FindTopWindow("#32770", "Setup ARRL 10 Meter Contest"); }));
    }
}

TEST_F(BadInput, CorruptedSettingsFile) {
    WriteFileBytes(kSettingsPath, std::string("\x01\x02junk\xff\r\n[Sett\r\n=\r\n") +
                                      std::string(10000, '#') +
                                      "\r\n[Settings]\r\nStart=1 and more\r\nClaimed=x\r\n");
    EXPECT_EQ(1, ResetAsHost()) << "\"Start\" reads as its leading digits: 1";
    EXPECT_EQ("0", SettingsValue("Start")) << "so it is only cleared, no windows start";
    AddAsHost(QsoArgs());
    ResultAsHost();
    EXPECT_EQ("8", SettingsValue("Claimed"));
}

// An error list that cannot be opened loses its lines; nothing else changes.
// A read-only one may still be written: under Wine run as root it is.
TEST_F(BadInput, UnwritableErrorList) {
    const std::string earlier = "an earlier line\r\n";
    const std::string lines =
        IncompleteLine("2013-12-14 0012") +
        "QSO:  28012  CW  2013-12-14 0012  W1AW  599  MA  K1ABC  599  XX  XX" + kBadCodeTail;
    struct Case {
        const char* what;
        std::function<void()> spoil;
        std::function<void()> mend;
        std::vector<std::string> outcomes;  // what "err.txt" may then hold
    } const cases[] = {
        {"a folder of that name",
         [] { std::filesystem::create_directory("err.txt"); },
         [] { std::filesystem::remove("err.txt"); },
         {""}},
        {"read-only",
         [&] {
             WriteFileBytes("err.txt", earlier);
             ASSERT_TRUE(SetFileAttributesA("err.txt", FILE_ATTRIBUTE_READONLY));
         },
         [] { SetFileAttributesA("err.txt", FILE_ATTRIBUTE_NORMAL); },
         {earlier, earlier + lines}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QuietReset();
        c.spoil();
        QsoArgs refused;
        refused.exchRcvd = "";
        EXPECT_EQ(0, AddAsHost(refused));
        EXPECT_EQ(1, AddAsHost(MakeQso("K1ABC", "CW", "K", "XX"))) << "stored all the same";
        EXPECT_NE(std::string::npos, ResultAsHost().find("\r\nTotal\t 0\t 0\t 0\t 0\t 0\t 0\r\n"));
        const std::string errors = Errors();
        EXPECT_NE(c.outcomes.end(), std::find(c.outcomes.begin(), c.outcomes.end(), errors))
            << errors;
        c.mend();
    }
}

// The log is written whole or not at all, and the operator told which.
TEST_F(BadInput, ReadOnlyLogAndCorruptedHeaderSettings) {
    WriteFileBytes("Plugins/WENDA.ini",
                   "\x01\x02[Settings\r\n[Settings]\r\nName=" + std::string(10000, 'n') +
                       "\r\nSoapBox=<CR><LF><CR>\r\n");
    const std::string earlier = "an earlier log\r\n";
    WriteFileBytes("W1AW.cbr", earlier);
    ASSERT_TRUE(SetFileAttributesA("W1AW.cbr", FILE_ATTRIBUTE_READONLY));
    std::string shownName;
    EXPECT_TRUE(ResetWithHeaderDialog(
        [&](HWND dialog) { shownName = ControlText(dialog, IDC_CABRILLO_NAME); }, IDCANCEL));
    EXPECT_EQ(std::string(10000, 'n'), shownName) << "values arrive whole";
    AddAsHost(QsoArgs());
    int flag = 0;
    const std::string shown = ResultWithOutputBox(&flag).text;
    EXPECT_EQ(-1, flag);
    const std::string log = ReadFileBytes("W1AW.cbr");
    SetFileAttributesA("W1AW.cbr", FILE_ATTRIBUTE_NORMAL);
    if (shown == "File not produced: W1AW.cbr") {
        EXPECT_EQ(earlier, log);
        return;
    }
    EXPECT_EQ("File produced: W1AW.cbr", shown);
    EXPECT_NE(std::string::npos,
              log.find("\r\nNAME: " + std::string(10000, 'n') + "\r\nADDRESS: \r\n"));
    EXPECT_NE(std::string::npos, log.find("\r\nSOAPBOX: \r\nSOAPBOX: \r\nSOAPBOX: \r\nQSO: "));
    EXPECT_EQ(log.size() - 13, log.find("END-OF-LOG:\r\n"));
}
