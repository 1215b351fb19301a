// The sample log and the real logs replayed through the module as the host
// replays a log: the module's "err.txt" and summary text are what the
// contest's rules give byte for byte (tools/make_sample_log.py and
// tools/real_log_expectations.py), every QSO gets the country and the
// intake result they expect, and the exchange check accepts what was sent.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

#include "tests/common/module_exports.h"
#include "tests/common/scratch_dir.h"
#include "tests/replay/replay_paths.h"
#include "tests/replay/replayed_log.h"

namespace {

// A row of the generator's record of the sample.
struct ExpectedQso {
    int line = 0;
    std::string call, prefix, mode, exchRcvd;
    int added = 0;
};

class LogReplay : public ::testing::TestWithParam<ReplayedLog> {};

std::vector<std::string> SplitTabs(const std::string& row) {
    std::vector<std::string> columns;
    std::istringstream in(row);
    std::string column;
    while (std::getline(in, column, '\t')) {
        columns.push_back(column);
    }
    return columns;
}

std::vector<ExpectedQso> ReadExpected(const std::string& path) {
    std::vector<ExpectedQso> rows;
    std::istringstream in(ReadFileBytes(path));
    std::string row;
    while (std::getline(in, row)) {
        const std::vector<std::string> c = SplitTabs(row);
        if (row.empty() || row[0] == '#' || c.size() < 6) {
            continue;
        }
        rows.push_back({std::stoi(c[0]), c[1], c[2], c[3], c[4], std::stoi(c[5])});
    }
    return rows;
}

// What stations send by the contest's rules, not the module's table; and the
// country file's US prefixes outside the 48 states.
const char kUsStates[] =
    " AL AK AZ AR CA CO CT DE DC FL GA HI ID IL IN IA KS KY LA ME MD MA MI MN MS MO MT NE NV NH"
    " NJ NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY ";
const char kOtherPlaces[] =
    " AB BC MB NB NL NF LB NS NT NU ON PE QC SK YT AGS BAC BCS CAM CHI CHH CMX DF DFE COA COL DGO"
    " EMX GRO GTO HGO JAL MIC MOR NAY NLE OAX PUE QRO QUI SLP SIN SON TAB TAM TLX VER YUC ZAC"
    " R1 R2 R3 ";
const char kUsAway[] = " KG4 KP1 KP2 KP4 KP5 KH0 KH1 KH2 KH3 KH4 KH5 KH7K KH8 KH9 KL7 KL KH6 ";

bool Lists(const char* list, const std::string& code) {
    return code.find(' ') == std::string::npos &&
           std::string(list).find(" " + code + " ") != std::string::npos;
}

// Why IsValidExchg0 may refuse what was sent (for a US state from a call placed
// elsewhere, such as "KL5NL/4", the host's prefix is wrong); empty: it must not.
std::string Excuse(const HostQso& qso) {
    const std::string& sent = qso.exchRcvd;
    const bool ownState = (sent == "AK" && (qso.prefix == "KL7" || qso.prefix == "KL")) ||
                          (sent == "HI" && qso.prefix == "KH6");
    if (sent == "599") {
        return "the report";
    }
    if (Lists(kUsStates, sent) && Lists(kUsAway, qso.prefix) && !ownState) {
        return "a US state from a call placed elsewhere";
    }
    const bool number = !sent.empty() && sent.find_first_not_of("0123456789") == std::string::npos;
    return number || Lists(kUsStates, sent) || Lists(kOtherPlaces, sent) ? "" : "names no place";
}

// The host's check of the exchange as typed; a refusal is printed. 1 if refused.
int CheckExchange(const HostQso& q) {
    if (Module().IsValidExchg0(q.exchRcvd.c_str(), "", q.prefix.c_str(), "", 0, 0, 0)) {
        return 0;
    }
    const std::string excuse = Excuse(q);
    std::printf("refused: %s %s '%s': %s\n", q.call.c_str(), q.prefix.c_str(), q.exchRcvd.c_str(),
                excuse.empty() ? "what was sent" : excuse.c_str());
    EXPECT_FALSE(excuse.empty()) << "the exchange check refuses '" << q.exchRcvd << "'";
    return 1;
}

}  // namespace

TEST_P(LogReplay, ModuleScoresTheLogAsTheRulesExpect) {
    const ReplayedLog& log = GetParam();
    const Result<ReplayLog> replayed = Replayed(log);
    ASSERT_TRUE(replayed.Ok()) << replayed.Error();
    const std::vector<HostQso>& qsos = replayed.Value().qsos;
    const std::vector<ExpectedQso> expected = ReadExpected(log.Path(".expected.tsv"));
    ASSERT_EQ(expected.size(), qsos.size());
    ASSERT_GT(qsos.size(), 200u);

    ScratchDir dir;
    ResetAsHost(0, qsos[0].myCall.c_str(), qsos[0].qsoTime);
    int refused = 0;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const HostQso& qso = qsos[i];
        const ExpectedQso& want = expected[i];
        SCOPED_TRACE("QSO of line " + std::to_string(want.line) + ", " + want.call);
        EXPECT_EQ(want.line, qso.line);
        EXPECT_EQ(want.call, qso.call);
        EXPECT_EQ(want.prefix, qso.prefix);
        EXPECT_EQ(want.mode, qso.mode);
        EXPECT_EQ(want.exchRcvd, qso.exchRcvd);
        refused += CheckExchange(qso);
        EXPECT_EQ(want.added, AddAsHost(AsHostArgs(qso)));
    }
    std::printf("%s: %d of %u exchanges refused\n", log.name, refused,
                static_cast<unsigned>(qsos.size()));
    EXPECT_EQ(ReadFileBytes(log.Path(".err.txt")), ReadFileBytes("err.txt"));
    EXPECT_EQ(ReadFileBytes(log.Path(".summary.txt")), ResultAsHost());
}

INSTANTIATE_TEST_SUITE_P(, LogReplay, ::testing::ValuesIn(kReplayedLogs), LogLabel);
