#include "engine/Difficulty.h"

#include <algorithm>
#include <cstdint>

#include "profiles/ProfileStats.h"

namespace engine {

int NeededCorrectFor(const std::wstring& level) { return level == L"3" ? 2 : 3; }

void StartSession(Adaptation& a, int& savedSpan, int savedDirection, const std::wstring& level, int maxSpan) {
    // A new session starts one step easier than the last one ended.
    if (savedSpan == 0)
        savedSpan = level == L"1" ? 2 : 3;
    else
        savedSpan = std::max(savedSpan - 1, 2);
    a.span = std::min(savedSpan, maxSpan);
    a.direction = savedDirection;
    a.neededCorrect = NeededCorrectFor(level);
    a.correctStreak = 0;
    a.wrongStreak = 0;
}

int MaxSpan(int game) {
    switch (game) {
        case kTreasure:
        case kGhostHouse: return 9;
        case kSpace:
        case kThePond:
        case kZoo: return 10;
        default: return 8;
    }
}

namespace {
// Cans and Paint: at span 6 forward the exercise turns backward, starting low again.
bool SwitchAtSix(Adaptation& a, const std::wstring& level, SuccessResult& result) {
    if (a.span != 6 || a.direction != 0) return false;
    a.direction = 1;
    a.span = level == L"1" ? 2 : 3;
    result.switchedToBackward = true;
    return true;
}
}  // namespace

void RaiseSpan(Adaptation& a, int game, const std::wstring& level, SuccessResult& result) {
    switch (game) {
        case kCans:
            if (SwitchAtSix(a, level, result)) return;
            a.span = std::min(a.span + 1, 8);
            break;
        case kPaint:
            if (SwitchAtSix(a, level, result)) {
                a.visibleCount = 4;
                return;
            }
            a.span = std::min(a.span + 1, 8);
            if (a.span > 4) a.visibleCount = 8;
            break;
        case kTreasure:
        case kGhostHouse:
            a.span = std::min(a.span + 1, 9);
            if (a.span > a.visibleCount) a.visibleCount = 9;
            break;
        case kSpace:
            a.span = std::min(a.span + 1, 10);
            if (a.span > a.visibleCount) a.visibleCount = 10;
            break;
        case kParisWheel:
            if (a.span == 6 && a.visibleCount == 6) a.visibleCount = 8;
            result.wasAtEight = a.span == 8;
            a.span = std::min(a.span + 1, a.visibleCount);
            break;
        case kThePond:
            if (a.span == a.visibleCount && (a.span == 4 || a.span == 6 || a.span == 8)) a.visibleCount += 2;
            result.wasAtTen = a.span == 10;
            a.span = std::min(a.span + 1, 10);
            break;
        case kZoo:
            if (a.span == a.visibleCount && (a.span == 6 || a.span == 8)) a.visibleCount += 2;
            a.span = std::min(a.span + 1, a.visibleCount);
            break;
        default:  // The circle and anything else
            a.span = std::min(a.span + 1, 8);
            break;
    }
}

SuccessResult OnSuccess(Adaptation& a, int game, const std::wstring& level) {
    SuccessResult result;
    ++a.correctStreak;
    if (a.correctStreak == a.neededCorrect) {
        result.streakReached = true;
        a.correctStreak = 0;
        a.neededCorrect = NeededCorrectFor(level);
        RaiseSpan(a, game, level, result);
        // The turn to backward ends the rule: the failure streak is left as it was.
        if (result.switchedToBackward) return result;
    }
    a.wrongStreak = 0;
    return result;
}

void OnFailure(Adaptation& a, const std::wstring& level) {
    ++a.wrongStreak;
    if (a.wrongStreak < 2) return;
    a.neededCorrect = 2;
    if (level == L"2" && a.correctStreak >= 2) a.neededCorrect = 1;
    if (level == L"3") a.neededCorrect = 1;
    a.span = std::max(a.span - 1, 2);
    a.wrongStreak = 0;
    a.correctStreak = 0;
}

uint32_t AnswerTimeMs(int scanIntervalMs, int entries, size_t items) {
    constexpr uint64_t kAnswerTimeMs = 40000;
    // Capped at a day, so no list or sequence can wrap the clock's deadline.
    constexpr uint64_t kLongest = 24ull * 3600 * 1000;
    if (scanIntervalMs <= 0 || entries <= 0) return static_cast<uint32_t>(kAnswerTimeMs);
    const uint64_t round = static_cast<uint64_t>(scanIntervalMs) * static_cast<uint64_t>(entries);
    return static_cast<uint32_t>(std::min(kLongest, kAnswerTimeMs + round * std::min<uint64_t>(items, kLongest)));
}

int RewardThreshold(int completedDays) {
    switch (completedDays / 5) {
        case 1: return 25;
        case 2: return 33;
        case 3: return 66;
        case 4: return 80;
        default: return -1;
    }
}

bool RewardDue(int completedDays, bool rewardOption, int draw) {
    const int threshold = RewardThreshold(completedDays);
    if (threshold < 0 || !rewardOption) return false;
    return draw >= threshold;
}

int DayPoints(const ProfileStats& stats, int day, int g) {
    if (day < 0 || day >= ProfileStats::kDays || g < 0 || g >= ProfileStats::kExercises) return 0;
    // Counted wide and held to the int range: a cell may hold anything a file put there.
    int64_t sum = 0;
    for (int s = 0; s < ProfileStats::kSpans; ++s) sum += stats.points[day][g][s];
    return static_cast<int>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace engine
