#pragma once
// The training rules every exercise shares: where a session starts, how the sequence
// length and direction follow the trainee's answers, the day's points and whether the
// session ends with a reward. Plain code on plain values, so the rules can be driven
// without a screen; the exercises wire them to their sprites and sounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/ScreenId.h"

class ProfileStats;

namespace engine {

// The adaptation state of one session.
struct Adaptation {
    int span = 0;
    int direction = 0;  // 0 forward, 1 backward
    int correctStreak = 0;
    int wrongStreak = 0;
    int neededCorrect = 0;
    int visibleCount = 0;  // items on screen, where the exercise varies it
};

// Solved sequences needed for the next step up at the start and after each step.
int NeededCorrectFor(const std::wstring& level);

// Starting values of a session. savedSpan is the profile's span for the exercise and is
// updated in place: 2 (level "1") or 3 the first time, otherwise one step lower than last
// time but not below 2. The session's span is that, capped at maxSpan.
void StartSession(Adaptation& a, int& savedSpan, int savedDirection, const std::wstring& level, int maxSpan);

// What a solved sequence did beyond the span, for the exercises that react to it.
struct SuccessResult {
    bool streakReached = false;
    bool switchedToBackward = false;  // Cans, Paint: span 6 forward became backward
    bool wasAtEight = false;          // Paris wheel: the streak was reached at span 8
    bool wasAtTen = false;            // The pond: the streak was reached at span 10
};

// After a solved sequence: the common core with the exercise's own step up (game is its
// ScreenId). Paris wheel's speed counter, The pond's one-time extra and the progress
// pictures stay with those exercises; the result tells them when.
SuccessResult OnSuccess(Adaptation& a, int game, const std::wstring& level);

// The step up alone, once the streak is reached (the rows per exercise).
void RaiseSpan(Adaptation& a, int game, const std::wstring& level, SuccessResult& result);

// After a failed sequence, the same in every exercise (the error itself is counted by the
// caller): two failures in a row lower the span and shorten the way back up.
void OnFailure(Adaptation& a, const std::wstring& level);

// The largest span an exercise reaches.
int MaxSpan(int game);

// The draw (0..100) a session needs for the reward at completedDays, or -1 when no session
// on such a day ends with one.
int RewardThreshold(int completedDays);
// Whether a session ends with the reward, for a draw of 0..100.
bool RewardDue(int completedDays, bool rewardOption, int draw);

// The time to answer a sequence of items, in ms: 40 s, and with one-switch stepping
// (scanIntervalMs > 0) as long again as the pointer needs to go round the whole scan list of
// entries once per item, which is the longest wait one item can cost.
uint32_t AnswerTimeMs(int scanIntervalMs, int entries, size_t items);

// The points exercise g earned on day (all spans); 0 outside the tables.
int DayPoints(const ProfileStats& stats, int day, int g);

}  // namespace engine
