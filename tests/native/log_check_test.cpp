// The check beside the Cabrillo log that a report pass writes: the whole
// file byte for byte for a small log, and a check that cannot be written
// changing nothing else of the pass.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/common/fake_desktop.h"
#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"

using namespace platform;
using namespace reports;

namespace {

namespace fs = std::filesystem;

class LogCheck : public ::testing::Test {
protected:
    LogCheck() {
        m_Desktop.editHeader = [](CabrilloHeader&) { return true; };
    }

    // A report pass of the 2024 contest in CATEGORY-MODE SSB (the header's
    // default) on a log of CW QSOs, and one SSB QSO after the period; a
    // Canadian station logged with a US state, and a maritime-mobile station
    // that sent its region by the number.
    std::string Pass() {
        ResetAsHost(1, "W1AW", OleDate(2024, 12, 14));
        const struct {
            const char *call, *mode, *prefix, *exch;
            COleDateTime time;
        } qsos[] = {
            {"K1ABC", "CW", "K", "CT", OleDate(2024, 12, 14, 0, 12)},
            {"VE3XYZ", "CW", "VE", "ON", OleDate(2024, 12, 14, 0, 15)},
            {"KL7AA", "CW", "KL", "AK", OleDate(2024, 12, 14, 0, 20)},
            {"VO1AA", "CW", "VE", "NF", OleDate(2024, 12, 14, 0, 21)},
            {"VO2BB", "CW", "VE", "LB", OleDate(2024, 12, 14, 0, 22)},
            {"VE3VA", "CW", "VE", "OK", OleDate(2024, 12, 14, 0, 25)},
            {"G3DVX/MM", "CW", "G", "R1", OleDate(2024, 12, 14, 0, 30)},
            {"W7MEY/MM", "CW", "K", "2", OleDate(2024, 12, 14, 0, 31)},
            {"DL1ABC", "SSB", "DL", "123", OleDate(2024, 12, 16, 1, 0)},
        };
        for (const auto& q : qsos) {
            QsoArgs args = MakeQso(q.call, q.mode, q.prefix, q.exch);
            args.time = q.time;
            AddAsHost(args);
        }
        int flag = 0;
        const std::string summary = ResultAsHost(&flag);
        return summary + m_Desktop.calls.back() + std::to_string(flag);
    }

    ScratchDir m_Dir;
    FakeDesktop m_Desktop;
};

// Every file of the folder but the check's own.
std::map<std::string, std::string> Files() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        const std::string path = entry.path().string();
        if (entry.is_regular_file() && path.find(".check.txt") == std::string::npos) {
            files[path] = ReadFileBytes(path);
        }
    }
    return files;
}

}  // namespace

TEST_F(LogCheck, WholeFile) {
    Pass();
    EXPECT_EQ(
        "Check of W1AW.cbr before it is sent\r\n"
        "Call:          W1AW\r\n"
        "Contest year:  2024\r\n"
        "QSOs:          9\r\n"
        "Claimed score: 374\r\n"
        "\r\n"
        "The module's claimed score follows its own rules. Below, the same QSOs\r\n"
        "scored by the contest sponsor's current rules, as an estimate, with what\r\n"
        "makes the two differ; then what the sponsor's checking would remove or\r\n"
        "refuse, which can still be mended before the log is sent.\r\n"
        "\r\n"
        "Estimate by the sponsor's rules                 CW       SSB     Total\r\n"
        "  QSOs counted                                   7         0         7\r\n"
        "  QSO points                                    28         0        28\r\n"
        "  States and DC                                  2         0         2\r\n"
        "  Canadian provinces and territories             3         0         3\r\n"
        "  Mexican states                                 0         0         0\r\n"
        "  DXCC entities                                  0         0         0\r\n"
        "  ITU regions                                    2         0         2\r\n"
        "  Multipliers                                    7         0         7\r\n"
        "  Score: 28 x 7 = 196\r\n"
        "\r\n"
        "Differences from the claimed score                      QSO points  Multipliers\r\n"
        "  Claimed, by the module's rules                                34           11\r\n"
        "  K, VE and XE counted as DXCC                                   0           -2\r\n"
        "    CW -K -VE\r\n"
        "  KH6 and KL7 counted as DXCC instead of HI and AK               0            0\r\n"
        "    CW -KL +AK\r\n"
        "  NF and LB counted as one                                       0           +1\r\n"
        "    CW -NL +LB +NF\r\n"
        "  Maritime-mobile stations counted as DXCC                       0           -1\r\n"
        "    CW -G\r\n"
        "  Exchanges of another country's list counted                   -4           -1\r\n"
        "    CW -OK\r\n"
        "  QSOs outside the contest period                               -2           -1\r\n"
        "    SSB -DL\r\n"
        "  Estimate, by the sponsor's rules                              28            7\r\n"
        "Score claimed:   34 x 11 = 374\r\n"
        "Score estimated: 28 x 7 = 196\r\n"
        "\r\n"
        "Warnings: 3\r\n"
        "\r\n"
        "QSOs outside the contest period, 2024-12-14 0000 to 2024-12-15 2359 UTC: 1\r\n"
        "  QSO: 28012 PH 2024-12-16 0100 W1AW          59  MA     DL1ABC        59  123\r\n"
        "\r\n"
        "QSOs in a mode that CATEGORY-MODE SSB excludes: 8\r\n"
        "  QSO: 28012 CW 2024-12-14 0012 W1AW          599 MA     K1ABC         599 CT\r\n"
        "  QSO: 28012 CW 2024-12-14 0015 W1AW          599 MA     VE3XYZ        599 ON\r\n"
        "  QSO: 28012 CW 2024-12-14 0020 W1AW          599 MA     KL7AA         599 AK\r\n"
        "  QSO: 28012 CW 2024-12-14 0021 W1AW          599 MA     VO1AA         599 NF\r\n"
        "  QSO: 28012 CW 2024-12-14 0022 W1AW          599 MA     VO2BB         599 LB\r\n"
        "  ... and 3 more\r\n"
        "\r\n"
        "Exchanges that belong to another country's list, counted busted: 1\r\n"
        "  QSO: 28012 CW 2024-12-14 0025 W1AW          599 MA     VE3VA         599 OK\r\n"
        "\r\n"
        "What the estimate cannot know: the other stations' logs. The sponsor sets\r\n"
        "them beside this one and removes busted calls and QSOs not in the other\r\n"
        "station's log. Cross-mode rules, frequency limits and penalties are left\r\n"
        "out.\r\n",
        ReadFileBytes("W1AW.check.txt"));
}

TEST_F(LogCheck, UnwritableCheckChangesNothingElse) {
    struct Case {
        const char* what;
        const char* folder;  // where a folder stands
        bool earlierCheck;
    } const cases[] = {
        {"a folder in the check's place", "W1AW.check.txt", false},
        {"a folder in its temporary's place", "W1AW.check.txt.tmp", true},
    };
    const std::string pass = Pass();
    const std::map<std::string, std::string> files = Files();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove("W1AW.check.txt");
        fs::create_directory(c.folder);
        WriteFileBytes(std::string(c.folder) + "/kept", "");
        if (c.earlierCheck) {
            WriteFileBytes("W1AW.check.txt", "of an earlier log");
        }
        EXPECT_EQ(pass, Pass()) << "the summary, the message and the result flag";
        EXPECT_EQ(files, Files());
        EXPECT_FALSE(fs::is_regular_file("W1AW.check.txt")) << "no check of an earlier log stays";
        fs::remove_all(c.folder);
    }
}
