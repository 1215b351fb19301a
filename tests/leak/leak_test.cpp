// Long runs through the exports under AddressSanitizer: a store that has been
// filled and emptied, or a pass run a thousand times, must hold no more heap
// than it did before, and LeakSanitizer must find nothing unreachable.
#include <gtest/gtest.h>
#include <sanitizer/lsan_interface.h>

#include <cstdio>
#include <string>

#include "tests/common/host_calls.h"
#include "tests/common/scratch_dir.h"

// The bytes that the program has allocated and not freed, all allocators.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

namespace {

constexpr int kCycles = 1000000;
constexpr int kPasses = 1000;
constexpr int kQsosPerPass = 100;
constexpr int kFullStore = 100000;

// Stations of every kind the intake tells apart: location codes accepted
// and refused, serial numbers, maritime mobile, both modes, refused modes.
struct Station {
    const char* prefix;
    const char* exchRcvd;
    const char* mode;
};
const Station kStations[] = {
    {"K", "MA", "CW"},   {"VE", "on", "SSB"}, {"XE", "DFE", "CW"}, {"K", "XX", "SSB"},
    {"DL", "123", "CW"}, {"G", "7", "SSB"},   {"K", "TX", "FM"},   {"JA", "", "CW"},
};

std::string CallOf(int i) {
    return (i % 9 == 0 ? "EA8/MM" : "W") + std::to_string(i % 5000);
}

QsoArgs Qso(int i, const std::string& call) {
    const Station& s = kStations[i % (sizeof kStations / sizeof kStations[0])];
    QsoArgs qso = MakeQso(call.c_str(), s.mode, s.prefix, s.exchRcvd);
    qso.time = OleDate(2013, 12, 14, i % 24, i % 60);
    return qso;
}

std::size_t HeapInUse() {
    return __sanitizer_get_current_allocated_bytes();
}

void Report(const char* what, std::size_t before, std::size_t after) {
    std::printf("%s: heap in use %zu bytes before, %zu after\n", what, before, after);
}

class Leak : public ::testing::Test {
protected:
    // The first passes settle the capacities that the module keeps from one
    // pass to the next (the band list, the summary text); they are not leaks.
    void SetUp() override {
        Pass();
        Pass();
        ResetAsHost();
    }

    void TearDown() override {
        EXPECT_EQ(0, __lsan_do_recoverable_leak_check()) << "unreachable blocks (listed above)";
    }

    // A pass of the host: reset, the log, the result.
    static void Pass() {
        ResetAsHost();
        for (int i = 0; i < kQsosPerPass; ++i) {
            const std::string call = CallOf(i);
            AddAsHost(Qso(i, call));
        }
        ResultAsHost();
    }

    ScratchDir m_Dir;
};

}  // namespace

TEST_F(Leak, AddRemoveCyclesGiveEveryByteBack) {
    const std::size_t empty = HeapInUse();
    std::string call = CallOf(0);
    AddAsHost(Qso(0, call));
    RemoveAsHost(Qso(0, call));
    const std::size_t warm = HeapInUse();  // the store keeps its first block for the next QSO
    for (int i = 1; i <= kCycles; ++i) {
        call = CallOf(i);
        const QsoArgs qso = Qso(i, call);
        AddAsHost(qso);
        RemoveAsHost(qso);
    }
    const std::size_t cycled = HeapInUse();
    EXPECT_EQ(2, CheckAsHost(call.c_str(), "CW", "ZZ", "10m", nullptr)) << "the store is empty";
    ResetAsHost();
    const std::size_t reset = HeapInUse();
    Report("after one add and remove", empty, warm);
    Report("after a million adds and removes", warm, cycled);
    Report("after ResetStats0", empty, reset);
    EXPECT_EQ(warm, cycled);
    EXPECT_EQ(empty, reset);
}

TEST_F(Leak, ScoringPassesDoNotGrowTheHeap) {
    const std::size_t before = HeapInUse();
    for (int pass = 0; pass < kPasses; ++pass) {
        Pass();
    }
    ResetAsHost();
    const std::size_t after = HeapInUse();
    Report("a thousand passes, each followed by ResetStats0", before, after);
    EXPECT_EQ(before, after);
}

TEST_F(Leak, FullStoreGoesBackToEmptyOnReset) {
    const std::size_t empty = HeapInUse();
    for (int i = 0; i < kFullStore; ++i) {
        const std::string call = CallOf(i) + "/" + std::to_string(i);
        AddAsHost(Qso(i, call));
    }
    const std::size_t full = HeapInUse();
    ResetAsHost();
    const std::size_t reset = HeapInUse();
    Report("100000 QSOs stored", empty, full);
    Report("after ResetStats0", empty, reset);
    EXPECT_GT(full, empty + kFullStore * sizeof(int)) << "the QSOs were stored";
    EXPECT_EQ(empty, reset);
}
