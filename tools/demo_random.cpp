#include "demo_random.h"

#include <cassert>

long long DemoRandom::Between(long long lo, long long hi) {
    assert(lo <= hi && hi - lo < (1LL << 32));
    const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
    // Draws at or above the last whole multiple of span would favour the low
    // values; they are drawn again.
    const std::uint64_t limit = (std::uint64_t{1} << 32) - (std::uint64_t{1} << 32) % span;
    std::uint64_t draw = engine_();
    while (draw >= limit) draw = engine_();
    return lo + static_cast<long long>(draw % span);
}
