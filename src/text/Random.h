#pragma once
// Random choices drawn from the C library's generator, which start-up seeds with the time
// and some exercises seed again (std::srand). Every draw yields 15 bits, 0..32767, so the
// choices below come out the same way whatever range the library's own rand() has.
#include <cstddef>
#include <cstdint>
#include <utility>

// One draw of 0..32767, evenly spread.
int Rand15();

// lo + a draw mod (hi - lo + 1); 0 without drawing when that range is 0.
int32_t RandomInRange(int32_t lo, int32_t hi);

// Shuffles [first, last): for k = 1 .. n - 1 entry k trades places with entry r mod (k + 1),
// r being one draw, widened by further draws of 15 bits while k + 1 exceeds what the draws
// so far can cover. Lists of 0 or 1 entries stay as they are.
template <class RandomIt>
void ShuffleList(RandomIt first, RandomIt last) {
    const auto n = last - first;
    for (decltype(last - first) k = 1; k < n; ++k) {
        const auto need = static_cast<uint64_t>(k) + 1;
        uint64_t r = static_cast<uint64_t>(Rand15());
        uint64_t covered = 0x7FFF;
        while (covered < need) {
            r = r << 15 | static_cast<uint64_t>(Rand15());
            covered = covered << 15 | 0x7FFF;
        }
        using std::swap;
        swap(first[k], first[static_cast<decltype(k)>(r % need)]);
    }
}
