// A seed replays the same choices: the generator and its forks depend on the
// seed alone.
#include "host/chaos/chaos_random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint32_t> Draws(ChaosRandom random, int count) {
    std::vector<uint32_t> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(random.Next());
    }
    return draws;
}

}  // namespace

TEST(ChaosRandom, TheSameSeedDrawsTheSame) {
    EXPECT_EQ(Draws(ChaosRandom(17), 100), Draws(ChaosRandom(17), 100));
    EXPECT_NE(Draws(ChaosRandom(17), 100), Draws(ChaosRandom(18), 100));
    // The high halves of splitmix64 from 1, as any implementation of it gives them:
    // the draws are the same on every machine and build.
    EXPECT_EQ((std::vector<uint32_t>{0x910A2DECu, 0xBEEB8DA1u, 0xF893A2EEu}),
              Draws(ChaosRandom(1), 3));
}

TEST(ChaosRandom, ForksAreTheirOwnAndReplay) {
    const ChaosRandom seed(5);
    EXPECT_EQ(Draws(seed.Fork(1), 50), Draws(seed.Fork(1), 50));
    EXPECT_NE(Draws(seed.Fork(1), 50), Draws(seed.Fork(2), 50));
    EXPECT_NE(Draws(seed.Fork(1), 50), Draws(seed, 50));
}

TEST(ChaosRandom, DrawsStayInTheirRanges) {
    ChaosRandom random(99);
    const std::vector<unsigned> weights = {0, 3, 0, 1};
    std::vector<int> picked(weights.size(), 0);
    for (int i = 0; i < 4000; ++i) {
        ASSERT_LT(random.Below(7), 7u);
        const uint32_t between = random.Between(3, 5);
        ASSERT_TRUE(between >= 3 && between <= 5);
        ++picked[random.Weighted(weights)];
    }
    EXPECT_EQ(0, picked[0]) << "a weight of 0 is never drawn";
    EXPECT_EQ(0, picked[2]);
    EXPECT_NEAR(3.0, static_cast<double>(picked[1]) / picked[3], 0.5);
    EXPECT_EQ(0u, random.Below(0));
}
