// The store's order and its indexes through every kind of change.
#include <gtest/gtest.h>

#include "engine/log_store.h"

using namespace platform;
using namespace engine;

namespace {

CInfo Record(const std::string& call, const std::string& mode, const std::string& prefix) {
    CInfo r;
    r.m_Call = call;
    r.m_Mode = mode;
    r.m_Prefix = prefix;
    r.m_Band = "10m";
    return r;
}

std::vector<std::string> Calls(const CInfoLog& log) {
    std::vector<std::string> calls;
    for (std::size_t i = 0; i < log.GetSize(); ++i) {
        calls.push_back(log[i].m_Call);
    }
    return calls;
}

}  // namespace

TEST(LogStore, RemovalKeepsTheOrderOfTheRest) {
    CInfoLog log;
    log.Add(Record("A", "CW", "K"));
    log.Add(Record("B", "CW", "K"));
    log.Add(Record("C", "SSB", "DL"));
    log.RemoveAt(0);
    EXPECT_EQ((std::vector<std::string>{"B", "C"}), Calls(log));
    log.Add(Record("A", "CW", "K"));
    log.RemoveAt(1);
    EXPECT_EQ((std::vector<std::string>{"B", "A"}), Calls(log));
}

TEST(LogStore, IndexesFollowEveryChange) {
    CInfoLog log;
    log.Add(Record("K1A", "CW", "K"));
    log.Add(Record("DL1A", "SSB", "DL"));
    log.Add(Record("K1A", "SSB", "K"));
    log.Add(Record("K1A", "CW", "K"));
    EXPECT_EQ((std::vector<std::size_t>{0, 2, 3}), log.IndicesOfCall("K1A"));
    EXPECT_TRUE(log.HasDuplicate("K1A", "10m", "SSB"));
    EXPECT_TRUE(log.HasCountryInMode("SSB", "DL"));
    EXPECT_FALSE(log.HasCountryInMode("CW", "DL"));
    EXPECT_FALSE(log.HasDuplicate("k1a", "10m", "CW"));

    log.RemoveAt(1);  // DL1A
    EXPECT_FALSE(log.HasCountryInMode("SSB", "DL"));
    EXPECT_EQ((std::vector<std::size_t>{0, 1, 2}), log.IndicesOfCall("K1A"));
    log.RemoveAt(1);  // K1A SSB
    EXPECT_FALSE(log.HasDuplicate("K1A", "10m", "SSB"));
    EXPECT_FALSE(log.HasCountryInMode("SSB", "K"));
    EXPECT_TRUE(log.HasCountryInMode("CW", "K"));
    EXPECT_EQ((std::vector<std::size_t>{0, 1}), log.IndicesOfCall("K1A"));

    log.RemoveAll();
    EXPECT_EQ(0u, log.GetSize());
    EXPECT_TRUE(log.IndicesOfCall("K1A").empty());
    EXPECT_FALSE(log.HasCountryInMode("CW", "K"));
}

TEST(LogStore, CountryKeyDoesNotMixModeAndPrefix) {
    CInfoLog log;
    log.Add(Record("X", "CWD", "L"));
    EXPECT_FALSE(log.HasCountryInMode("CW", "DL"));
    EXPECT_TRUE(log.HasCountryInMode("CWD", "L"));
}

TEST(WorkedList, KeepsFirstOccurrenceOrder) {
    CWorkedList list;
    EXPECT_TRUE(list.AddIfNew("K"));
    EXPECT_TRUE(list.AddIfNew("DL"));
    EXPECT_FALSE(list.AddIfNew("K"));
    EXPECT_TRUE(list.AddIfNew(""));
    EXPECT_EQ((std::vector<std::string>{"K", "DL", ""}), list.Items());
    EXPECT_TRUE(list.Contains("DL"));
    list.RemoveAll();
    EXPECT_EQ(0u, list.GetSize());
    EXPECT_FALSE(list.Contains("K"));
}

TEST(LogStore, IdsOfValuesNoLongerStoredServeNewOnes) {
    CInfoLog log;
    log.Add(Record("A", "CW", "K"));
    log.Add(Record("B", "SSB", "DL"));
    log.RemoveAt(0);
    log.Add(Record("C", "FM", "G"));
    EXPECT_EQ(2u, log.CallIdBound()) << "C takes the id that A left";
    EXPECT_EQ(2u, log.Kinds().ModeIdBound()) << "FM takes the id that CW left";
    EXPECT_EQ(2u, log.Kinds().PrefixIdBound());
    EXPECT_FALSE(log.HasCountryInMode("CW", "K"));
    EXPECT_TRUE(log.HasCountryInMode("FM", "G"));
    const CInfoLog::Key b = log.Keys()[0];
    const CInfoLog::Key c = log.Keys()[1];
    EXPECT_NE(b.call, c.call);
    EXPECT_NE(log.Kinds().Facts(b.kind).mode, log.Kinds().Facts(c.kind).mode);
    EXPECT_EQ("G", log.Kinds().Facts(c.kind).Texts().prefix);
}
