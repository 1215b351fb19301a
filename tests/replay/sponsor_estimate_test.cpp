// The check beside the Cabrillo log of the sample and the real logs: its
// estimate agrees with the sponsor's rules worked out here from their table
// alone, its claimed figures with the summary, and every line with a plain
// editor's 80 columns. Natively: the report pass's header dialog counts as
// cancelled.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <sstream>

#include "platform/string_format.h"
#include "tests/common/scratch_dir.h"
#include "tests/replay/replayed_log.h"

using namespace platform;

namespace {

// The sponsor's multipliers by kind: states (with DC), Canadian, Mexican
// (with CMX), DXCC, ITU regions.
const std::set<std::string> kLists[] = {
    {"AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "HI", "ID", "IL",
     "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT",
     "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI",
     "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", "DC"},
    {"AB", "BC", "LB", "MB", "NB", "NF", "NS", "NT", "NU", "ON", "PE", "QC", "SK", "YT"},
    {"AGS", "BAC", "BCS", "CAM", "CHH", "CHI", "CMX", "COA", "COL", "DGO", "EMX",
     "GRO", "GTO", "HGO", "JAL", "MIC", "MOR", "NAY", "NLE", "OAX", "PUE", "QRO",
     "QUI", "SIN", "SLP", "SON", "TAB", "TAM", "TLX", "VER", "YUC", "ZAC"},
    {},
    {"R1", "R2", "R3"},
};

// The estimate's rows, as the check labels them, in CW and SSB.
const char* const kRows[] = {
    "QSOs counted",   "QSO points",    "States and DC", "Canadian provinces and territories",
    "Mexican states", "DXCC entities", "ITU regions"};
using Figures = std::array<std::array<int, 2>, 7>;

// The second full weekend of December, Saturday 0000 to Sunday 2359, in
// the logs' years.
const std::map<int, std::pair<std::string, std::string>> kPeriods = {
    {2023, {"2023-12-09 0000", "2023-12-10 2359"}},
    {2024, {"2024-12-14 0000", "2024-12-15 2359"}},
};

// The estimate's figures; the callsigns of the QSOs whose code belongs to
// another country's list go to otherCountry, in log order.
Figures SponsorFigures(const std::vector<HostQso>& qsos, const std::vector<int>& stored, int year,
                       std::vector<std::string>& otherCountry) {
    const auto [first, last] = kPeriods.at(year);
    Figures f{};
    std::set<std::string> worked;
    std::set<std::string> mults[5][2];
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const HostQso& q = qsos[i];
        std::string exch;
        std::istringstream(q.exchRcvd) >> exch;
        for (char& c : exch) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        exch = exch == "DF" || exch == "DFE" ? "CMX" : exch;
        const bool mm = q.call.size() > 3 && q.call.substr(q.call.size() - 3) == "/MM";
        // "Maritime mobile stations send ITU Region (1-3)".
        exch = mm && (exch == "1" || exch == "2" || exch == "3") ? "R" + exch : exch;
        int kind = 0;
        while (kind < 5 && !kLists[kind].count(exch)) {
            ++kind;
        }
        const bool home = q.prefix == "K" || q.prefix == "VE" || q.prefix == "XE";
        // Each country's stations send the codes of its own list.
        const int own = q.prefix == "K" ? 0 : q.prefix == "VE" ? 1 : 2;
        const bool anotherList = home && !mm && kind < 5 && kind != own;
        if (stored[i] && anotherList) {
            otherCountry.push_back(q.call);
        }
        const bool busted = ((home || mm) && kind == 5 && exch != "NL") || anotherList;
        const std::string time = q.qsoTime.Format("%Y-%m-%d %H%M");
        const int mode = q.mode == "CW" ? 0 : 1;
        if (!stored[i] || busted || time < first || time > last ||
            !worked.insert(q.mode + " " + q.call).second) {
            continue;
        }
        ++f[0][mode];
        f[1][mode] += mode == 0 ? 4 : 2;
        if (q.prefix == "KH6" || q.prefix == "KL7" || q.prefix == "KL") {
            mults[0][mode].insert(q.prefix == "KH6" ? "HI" : "AK");
        } else if ((home || mm) && kind < 5) {
            mults[kind][mode].insert(exch);
        } else if (!home && !mm && !q.prefix.empty()) {
            mults[3][mode].insert(q.prefix);
        }
    }
    for (int kind = 0; kind < 5; ++kind) {
        f[2 + kind] = {static_cast<int>(mults[kind][0].size()),
                       static_cast<int>(mults[kind][1].size())};
    }
    return f;
}

// The stations that sent a code of another country's list, by log: in
// HK3RD's, VE3VA of Ontario logged with Oklahoma's "OK".
const std::map<std::string, std::vector<std::string>> kOtherCountry = {
    {"Sample", {}},
    {"VE3EJ", {}},
    {"HK3RD", {"VE3VA"}},
};

// The last three numbers of the line of the check that begins with the label.
std::vector<int> Row(const std::string& check, const std::string& label) {
    const std::size_t at = check.find("\r\n  " + label + " ");
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t from = at + 4 + label.size();
    std::istringstream line(check.substr(from, check.find('\r', from) - from));
    std::vector<int> numbers{0, 0, 0};
    line >> numbers[0] >> numbers[1] >> numbers[2];
    return numbers;
}

class CheckBesideTheLog : public ::testing::TestWithParam<ReplayedLog> {};

}  // namespace

TEST_P(CheckBesideTheLog, EstimateFollowsTheSponsorsTable) {
    const ReplayedLog& log = GetParam();
    const Result<ReplayLog> replayed = Replayed(log);
    ASSERT_TRUE(replayed.Ok()) << replayed.Error();
    const std::vector<HostQso>& qsos = replayed.Value().qsos;

    ScratchDir dir;
    ResetAsHost(1, qsos[0].myCall.c_str(), qsos[0].qsoTime);
    std::vector<int> stored;
    for (const HostQso& qso : qsos) {
        stored.push_back(AddAsHost(AsHostArgs(qso)));
    }
    const std::string summary = ResultAsHost();
    const std::string check = ReadFileBytes(qsos[0].myCall + ".check.txt");
    const int year = std::stoi(qsos[0].qsoTime.Format("%Y"));
    std::vector<std::string> otherCountry;
    const Figures want = SponsorFigures(qsos, stored, year, otherCountry);
    int mults = 0;
    for (int row = 0; row < 7; ++row) {
        SCOPED_TRACE(kRows[row]);
        const int both = want[row][0] + want[row][1];
        EXPECT_EQ((std::vector<int>{want[row][0], want[row][1], both}), Row(check, kRows[row]));
        mults += row >= 2 ? both : 0;
    }
    const int points = want[1][0] + want[1][1];
    EXPECT_NE(std::string::npos, check.find(StringPrintf("\r\nScore estimated: %d x %d = %lld\r\n",
                                                         points, mults, 1LL * points * mults)))
        << check;

    // The claimed figures are the summary's.
    int claimedPoints = 0, dxcc = 0, codes = 0, claimed = 0;
    ASSERT_EQ(4,
              std::sscanf(summary.c_str() + summary.find("Score = "), "Score = %d *( %d + %d) = %d",
                          &claimedPoints, &dxcc, &codes, &claimed));
    EXPECT_NE(std::string::npos, check.find(StringPrintf("\r\nScore claimed:   %d x %d = %d\r\n",
                                                         claimedPoints, dxcc + codes, claimed)));

    // Codes of another country's list: their warning, with the first QSO's line.
    const std::size_t other = otherCountry.size();
    EXPECT_EQ(kOtherCountry.at(log.label), otherCountry);
    const std::string title = StringPrintf(
        "\r\nExchanges that belong to another country's list, counted busted: %zu\r\n  QSO: ",
        other);
    const std::size_t warning = check.find(title);
    EXPECT_EQ(other > 0, warning != std::string::npos) << check;
    if (other > 0 && warning != std::string::npos) {
        const std::size_t line = warning + title.size();
        const std::string quoted = check.substr(line, check.find('\r', line) - line);
        EXPECT_NE(std::string::npos, quoted.find(" " + otherCountry[0] + " ")) << quoted;
    }

    std::istringstream lines(check);
    for (std::string line; std::getline(lines, line);) {
        SCOPED_TRACE(line);
        ASSERT_EQ('\r', line.back());
        EXPECT_LE(line.size(), 81u);
        for (char c : line.substr(0, line.size() - 1)) {
            EXPECT_TRUE(c >= ' ' && c <= '~');
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, CheckBesideTheLog, ::testing::ValuesIn(kReplayedLogs), LogLabel);
