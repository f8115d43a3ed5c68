// The training plan: which day it is, what may be played, when a day is finished, the
// reward and the diplomas. All its state lives in the profile and is stored in ".pro".
#include <algorithm>

#include "profiles/Profile.h"

namespace {

constexpr int kFirstExercise = 1;
constexpr int kLastExercise = 9;

}  // namespace

int Profile::CompletedDays() const {
    int32_t days = 0;
    for (int g = kFirstExercise; g <= kLastExercise; ++g) days = std::max(days, dayProgress[g]);
    return std::min<int32_t>(days, 25);
}

bool Profile::AdvanceDay() { return AdvanceDay(TodayText()); }

bool Profile::AdvanceDay(const std::wstring& today) {
    if (today != lastDate) {
        const int32_t day = CompletedDays() + 1;  // at most 26
        // A day keeps the date on which it began: a login on a later date that finds the
        // day unchanged (nothing completed) does not move its date. Dates are kept for days
        // below trainingDays only.
        if (day != dayProgress[0] && day < trainingDays && day < static_cast<int32_t>(dayDates.size()))
            dayDates[day] = today;
        dayProgress[0] = day;
        lastDate = today;
    }
    if (dayProgress[0] >= trainingDays) dayProgress[0] = trainingDays;
    return dayProgress[0] < trainingDays;
}

bool Profile::IsPlayable(int g) const {
    if (g < kFirstExercise || g > kLastExercise) return false;
    return options.ExerciseOn(g) != 0 && dayProgress[g] < dayProgress[0];
}

bool Profile::IsDayFinished() const {
    for (int g = kFirstExercise; g <= kLastExercise; ++g) {
        if (options.ExerciseOn(g) != 0 && dayProgress[g] < dayProgress[0]) return false;
    }
    return true;
}

bool Profile::IsRewardDue(const std::wstring& today) const { return IsDayFinished() && rewardDate != today; }

int Profile::DiplomaStage() const {
    const int stage = std::max(CompletedDays() - 1, 0) / 5;
    return std::min(stage, 4);
}

void Profile::BeginExercise() {
    if (!exerciseStart_) exerciseStart_ = std::make_unique<ExerciseStart>();
    exerciseStart_->coins = coins;
    exerciseStart_->stats = stats;
}

bool Profile::FinishExercise(int g, int lastSpan, int lastDirection) {
    if (g < kFirstExercise || g > kLastExercise) return true;
    const int32_t day = dayProgress[g], oldSpan = span[g], oldDirection = direction[g];
    if (dayProgress[g] < INT32_MAX) ++dayProgress[g];
    span[g] = lastSpan;
    direction[g] = lastDirection;
    const bool saved = Save(false, false, true) && Save(true, false, false);
    if (!saved) {
        dayProgress[g] = day;
        span[g] = oldSpan;
        direction[g] = oldDirection;
        if (exerciseStart_) {
            coins = exerciseStart_->coins;
            stats = exerciseStart_->stats;
        }
    }
    exerciseStart_.reset();
    return saved;
}

bool Profile::DayUnfinished() const {
    const int completed = CompletedDays();
    for (int g = kFirstExercise; g <= kLastExercise; ++g) {
        if (options.ExerciseOn(g) != 0 && dayProgress[g] < completed) return true;
    }
    return false;
}

bool Profile::LeaveDay(bool leaveAnyway) {
    if (!DayUnfinished()) return true;
    if (!leaveAnyway) return false;
    const int completed = CompletedDays();
    for (int g = kFirstExercise; g <= kLastExercise; ++g) dayProgress[g] = completed;
    Save(true, false, false);
    return true;
}

bool Profile::ToggleExercise(int g, bool switchOffConfirmed) {
    if (g < kFirstExercise || g > kLastExercise) return false;
    if (options.ExerciseOn(g) != 0) {
        if (!switchOffConfirmed) return false;
        options.SetExerciseOn(g, 0);
    } else {
        options.SetExerciseOn(g, 1);
        dayProgress[g] = CompletedDays();
    }
    return true;
}
