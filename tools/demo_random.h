#pragma once

#include <cstdint>
#include <iterator>
#include <random>

// The demo books' only source of chance. std::mt19937's output sequence is
// fixed by the standard but the standard distributions are not, so the same
// seed must go through this mapping to give the same books everywhere.
class DemoRandom {
  public:
    explicit DemoRandom(std::uint32_t seed) : engine_(seed) {}

    // A whole number from lo to hi, both included, without bias; the range
    // spans at most 2^32 values.
    long long Between(long long lo, long long hi);
    // True in about `percent` of 100 calls.
    bool Percent(int percent) { return Between(1, 100) <= percent; }

    template <typename Container>
    const auto& Pick(const Container& items) {
        return items[static_cast<std::size_t>(
            Between(0, static_cast<long long>(std::size(items)) - 1))];
    }

  private:
    std::mt19937 engine_;
};
