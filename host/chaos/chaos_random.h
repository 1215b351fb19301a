#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The randomised host's choices, drawn from a seed: the same seed gives the
// same choices on every machine (splitmix64, no library distribution). Each
// thread of the host draws from a generator of its own, forked from the
// seed's, so that its choices do not depend on how the threads interleave.
class ChaosRandom {
public:
    explicit ChaosRandom(uint64_t seed) : m_State(seed) {}

    uint32_t Next();
    // 0 .. n - 1; 0 when n is 0.
    uint32_t Below(uint32_t n);
    // lo .. hi, both included.
    uint32_t Between(uint32_t lo, uint32_t hi);
    bool Percent(uint32_t percent) { return Below(100) < percent; }
    // An index drawn by the weights; the sum of the weights must not be 0.
    std::size_t Weighted(const std::vector<unsigned>& weights);
    // One of the items.
    template <typename T, std::size_t N>
    const T& PickFrom(const T (&items)[N]) {
        return items[Below(static_cast<uint32_t>(N))];
    }
    // A generator of its own for another thread (or purpose), by its number.
    ChaosRandom Fork(uint64_t stream) const;

private:
    uint64_t m_State;
};
