#include "host/chaos/chaos_random.h"

uint32_t ChaosRandom::Next() {
    uint64_t z = (m_State += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

uint32_t ChaosRandom::Below(uint32_t n) {
    return n == 0 ? 0 : static_cast<uint32_t>((static_cast<uint64_t>(Next()) * n) >> 32);
}

uint32_t ChaosRandom::Between(uint32_t lo, uint32_t hi) {
    return lo + Below(hi - lo + 1);
}

std::size_t ChaosRandom::Weighted(const std::vector<unsigned>& weights) {
    uint64_t total = 0;
    for (unsigned w : weights) {
        total += w;
    }
    uint64_t pick = (static_cast<uint64_t>(Next()) * total) >> 32;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (pick < weights[i]) {
            return i;
        }
        pick -= weights[i];
    }
    return weights.size() - 1;
}

ChaosRandom ChaosRandom::Fork(uint64_t stream) const {
    ChaosRandom mixer(m_State ^ (stream * 0xD1B54A32D192ED03ULL));
    const uint64_t high = mixer.Next();
    return ChaosRandom((high << 32) | mixer.Next());
}
