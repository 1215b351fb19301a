// The sample log and the real logs replayed through the module as the host
// replays a log: the module's "err.txt" and summary text are what the
// contest's rules give byte for byte (tools/make_sample_log.py and
// tools/real_log_expectations.py), and every QSO gets the country and the
// intake result they expect.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

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
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const HostQso& qso = qsos[i];
        const ExpectedQso& want = expected[i];
        SCOPED_TRACE("QSO of line " + std::to_string(want.line) + ", " + want.call);
        EXPECT_EQ(want.line, qso.line);
        EXPECT_EQ(want.call, qso.call);
        EXPECT_EQ(want.prefix, qso.prefix);
        EXPECT_EQ(want.mode, qso.mode);
        EXPECT_EQ(want.exchRcvd, qso.exchRcvd);
        EXPECT_EQ(want.added, AddAsHost(AsHostArgs(qso)));
    }
    EXPECT_EQ(ReadFileBytes(log.Path(".err.txt")), ReadFileBytes("err.txt"));
    EXPECT_EQ(ReadFileBytes(log.Path(".summary.txt")), ResultAsHost());
}

INSTANTIATE_TEST_SUITE_P(, LogReplay, ::testing::ValuesIn(kReplayedLogs), LogLabel);
