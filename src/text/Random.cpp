#include "text/Random.h"

#include <climits>
#include <cstdlib>

static_assert(RAND_MAX >= 0x7FFF && (static_cast<unsigned long long>(RAND_MAX) + 1) % 0x8000 == 0,
              "rand() must cover a whole multiple of 15 bits");

int Rand15() {
    // The top 15 bits of a draw: RAND_MAX + 1 is a multiple of 32768, so each value of
    // 0..32767 stands for the same number of draws.
    constexpr unsigned long long kStep = (static_cast<unsigned long long>(RAND_MAX) + 1) / 0x8000;
    return static_cast<int>(static_cast<unsigned long long>(std::rand()) / kStep);
}

int32_t RandomInRange(int32_t lo, int32_t hi) {
    // The range and the sum wrap as 32-bit values do, instead of overflowing.
    const auto range = static_cast<int32_t>(static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u);
    if (range == 0) return 0;
    const int32_t offset = Rand15() % range;  // the draw is never negative, so neither is this
    return static_cast<int32_t>(static_cast<uint32_t>(lo) + static_cast<uint32_t>(offset));
}
