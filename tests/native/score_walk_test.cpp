// The scoring pass over the store's ids against a plain model that walks the
// records' texts, as the summary was first computed: random logs with adds,
// removals and resets, in the store directly (any band, mode and prefix)
// and through the host's calls (the summary text and the call check).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>

#include "engine/log_store.h"
#include "engine/score_walk.h"
#include "exports/module_state.h"
#include "platform/string_format.h"
#include "reports/summary_texts.h"
#include "tests/common/fake_desktop.h"
#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"

using namespace platform;
using namespace engine;
using namespace reports;
using namespace exports;

namespace {

using Row = std::array<int32_t, 4>;  // QSOs, points, K, VE

struct Tally {
    std::vector<Row> rows;                          // by band
    std::array<std::vector<std::string>, 2> dxcc;   // by mode class
    std::array<std::vector<std::string>, 2> codes;  // by mode class
};

void AddOnce(std::vector<std::string>& list, const std::string& text) {
    if (std::find(list.begin(), list.end(), text) == list.end()) {
        list.push_back(text);
    }
}

Tally ModelTally(const CInfoLog& log, const std::vector<std::string>& bands) {
    Tally t;
    for (const std::string& band : bands) {
        Row row{};
        std::set<std::pair<std::string, std::string>> counted;  // callsign and mode
        for (std::size_t i = 0; i < log.GetSize(); ++i) {
            const CInfo& q = log[i];
            if (q.m_Band != band || q.m_Call.empty() || q.m_CodeError != 0 ||
                !counted.insert({q.m_Call, q.m_Mode}).second) {
                continue;
            }
            const int modeClass = q.m_Mode == "CW" ? 0 : 1;
            row = {row[0] + 1, row[1] + (modeClass == 0 ? 4 : 2), row[2] + (q.m_Prefix == "K"),
                   row[3] + (q.m_Prefix == "VE")};
            AddOnce(t.dxcc[modeClass], q.m_Prefix);
            if (!q.m_MultCode.empty()) {
                AddOnce(t.codes[modeClass], q.m_MultCode);
            }
        }
        t.rows.push_back(row);
    }
    return t;
}

Tally WalkTally(const CInfoLog& log, const std::vector<std::string>& bands) {
    CWorkedList dxcc[2];
    CWorkedList codes[2];
    ScoreWalk walk(log, dxcc, codes);
    Tally t;
    for (const std::string& band : bands) {
        const BandCounts c = walk.CountBand(band);
        t.rows.push_back({c.qsos, c.points, c.k, c.ve});
    }
    for (int m = 0; m < 2; ++m) {
        t.dxcc[m] = dxcc[m].Items();
        t.codes[m] = codes[m].Items();
    }
    EXPECT_EQ(walk.DxccMults(), static_cast<int32_t>(t.dxcc[0].size() + t.dxcc[1].size()));
    EXPECT_EQ(walk.CodeMults(), static_cast<int32_t>(t.codes[0].size() + t.codes[1].size()));
    return t;
}

void ExpectSameTally(const Tally& model, const Tally& walk) {
    EXPECT_EQ(model.rows, walk.rows);
    EXPECT_EQ(model.dxcc, walk.dxcc);
    EXPECT_EQ(model.codes, walk.codes);
}

// Few values of each field, so that duplicates, repeats and every kind of
// removal come often; "" and a lower-case twin among them.
const char* const kCalls[] = {"K1A", "K1B", "W2XY", "DL1A", "VE3Q", "XE1Z", "k1a", ""};
const char* const kBands[] = {"10m", "15m", "160m", "0123456789012345678901"};
const char* const kModes[] = {"CW", "SSB", "FM", ""};
const char* const kPrefixes[] = {"K", "VE", "XE", "DL", "G", "", "k"};
const char* const kCodes[] = {"", "", "MA", "ON", "NL", "DF"};
const char* const kExchanges[] = {"MA", "on", "NF", "XX", "599", "1234", "", "DF"};

template <std::size_t N>
const char* Pick(std::mt19937& rng, const char* const (&values)[N]) {
    return values[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)];
}

CInfo RandomRecord(std::mt19937& rng) {
    CInfo r;
    r.m_Call = Pick(rng, kCalls);
    r.m_Band = Pick(rng, kBands);
    r.m_Mode = Pick(rng, kModes);
    r.m_Prefix = Pick(rng, kPrefixes);
    r.m_MultCode = Pick(rng, kCodes);
    r.m_CodeError = r.m_MultCode.empty() && rng() % 4 == 0 ? 1 : 0;
    return r;
}

// The indexes' answers, found by walking the records.
struct WalkAnswers {
    std::vector<std::size_t> ofCall;
    bool duplicate = false;
    bool country = false;
};

WalkAnswers Walk(const CInfoLog& log, const std::string& call, const std::string& band,
                 const std::string& mode, const std::string& prefix) {
    WalkAnswers a;
    for (std::size_t i = 0; i < log.GetSize(); ++i) {
        if (log[i].m_Call == call) {
            a.ofCall.push_back(i);
            a.duplicate |= log[i].m_Band == band && log[i].m_Mode == mode;
        }
        a.country |= log[i].m_Mode == mode && log[i].m_Prefix == prefix;
    }
    return a;
}

void ExpectIndexesAsAWalk(const CInfoLog& log, std::mt19937& rng) {
    const std::string call = Pick(rng, kCalls);
    const std::string band = Pick(rng, kBands);
    const std::string mode = Pick(rng, kModes);
    const std::string prefix = Pick(rng, kPrefixes);
    const WalkAnswers a = Walk(log, call, band, mode, prefix);
    EXPECT_EQ(a.ofCall, log.IndicesOfCall(call)) << call;
    EXPECT_EQ(a.duplicate, log.HasDuplicate(call, band, mode)) << call << " " << band << mode;
    EXPECT_EQ(a.country, log.HasCountryInMode(mode, prefix)) << mode << " " << prefix;
}

}  // namespace

TEST(ScoreWalk, CountsAsAWalkOfTheTextsThroughAddsAndRemovals) {
    const std::vector<std::string> bands(std::begin(kBands), std::end(kBands));
    for (unsigned seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        CInfoLog log;
        for (int step = 0; step < 600 && !HasFailure(); ++step) {
            const unsigned op = rng() % 100;
            if (op < 60 || log.GetSize() == 0) {
                log.Add(RandomRecord(rng));
            } else if (op < 98) {
                log.RemoveAt(rng() % log.GetSize());
            } else {
                log.RemoveAll();
            }
            if (step % 7 == 0) {
                ExpectSameTally(ModelTally(log, bands), WalkTally(log, bands));
                ExpectIndexesAsAWalk(log, rng);
            }
        }
    }
}

namespace {

// The summary text that the model's tally gives for the host's pass.
std::string ModelSummary() {
    ContestLog::Locked data(TheModule().m_Log);
    const ContestLogData& log = *data;
    const Tally t = ModelTally(log.m_InfoLog, log.m_Bands);
    std::string text =
        StringPrintf(kSummaryTitle, log.m_ContestYear.c_str(), log.m_Contestant.c_str());
    Row total{};
    for (std::size_t b = 0; b < log.m_Bands.size(); ++b) {
        const Row& r = t.rows[b];
        text += StringPrintf(kSummaryBandRow, log.m_Bands[b].c_str(), r[0], r[1], r[2], r[3]);
        total = {total[0] + r[0], total[1] + r[1], total[2] + r[2], total[3] + r[3]};
    }
    const auto dxcc = static_cast<int32_t>(t.dxcc[0].size() + t.dxcc[1].size());
    const auto codes = static_cast<int32_t>(t.codes[0].size() + t.codes[1].size());
    text += StringPrintf(kSummaryTotals, total[0], total[1], dxcc, codes, total[2], total[3],
                         total[1], dxcc, codes, total[1] * (dxcc + codes));
    return log.m_InfoLog.GetSize() > 0 ? text + kSummaryCredit : text;
}

QsoArgs RandomQso(std::mt19937& rng) {
    QsoArgs q =
        MakeQso(Pick(rng, kCalls), Pick(rng, kModes), Pick(rng, kPrefixes), Pick(rng, kExchanges));
    q.time = OleDate(2013, 12, 14, static_cast<int>(rng() % 3), static_cast<int>(rng() % 2));
    q.band = rng() % 8 == 0 ? "15m" : "10m";
    return q;
}

}  // namespace

TEST(ScoreWalk, HostsPassesGiveTheModelsSummaryAndCallChecks) {
    ScratchDir dir;
    FakeDesktop desktop;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        ResetAsHost();
        std::vector<QsoArgs> sent;
        for (int step = 0; step < 300 && !HasFailure(); ++step) {
            const unsigned op = rng() % 100;
            if (op < 65 || sent.empty()) {
                sent.push_back(RandomQso(rng));
                AddAsHost(sent.back());
            } else if (op < 95) {
                RemoveAsHost(sent[rng() % sent.size()]);
            } else {
                ResetAsHost();
            }
            const QsoArgs typed = RandomQso(rng);
            const WalkAnswers a = Walk(ContestLog::Locked(TheModule().m_Log)->m_InfoLog, typed.call,
                                       typed.band, typed.mode, typed.prefix);
            const int expected = a.duplicate ? 0 : a.country ? 1 : 2;
            EXPECT_EQ(expected,
                      CheckAsHost(typed.call, typed.mode, typed.prefix, typed.band, typed.band));
            if (step % 5 == 0) {
                EXPECT_EQ(ModelSummary(), ResultAsHost());
            }
        }
    }
}
