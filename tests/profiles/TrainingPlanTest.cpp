// The training plan: days move on new dates only after something was completed, what the
// menu offers, rewards and diplomas, leaving early and switching exercises.
#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

namespace {

// Installs a headless backend for the message-box questions and removes it afterwards.
struct Headless {
    platform::HeadlessBackend* os;
    Headless() {
        auto backend = std::make_unique<platform::HeadlessBackend>();
        os = backend.get();
        platform::InstallBackend(std::move(backend));
    }
    ~Headless() { platform::InstallBackend(nullptr); }
};

// Every switched-on exercise completes the current day.
void FinishDay(Profile& p) {
    for (int g = 1; g <= 9; ++g) {
        if (p.IsPlayable(g)) p.dayProgress[g] = p.dayProgress[0];
    }
}

}  // namespace

TEST(TrainingPlan, DayMovesOnlyOnANewDateAfterSomethingWasCompleted) {
    Profile p;
    EXPECT_EQ(p.dayProgress[0], 0);
    EXPECT_TRUE(p.AdvanceDay(L"mon1"));
    EXPECT_EQ(p.dayProgress[0], 1);
    EXPECT_EQ(p.dayDates[1], L"mon1");
    EXPECT_EQ(p.lastDate, L"mon1");

    FinishDay(p);
    p.AdvanceDay(L"mon1");  // a second login the same date
    EXPECT_EQ(p.dayProgress[0], 1);
    p.AdvanceDay(L"tue1");
    EXPECT_EQ(p.dayProgress[0], 2);
    FinishDay(p);
    p.AdvanceDay(L"wed1");
    FinishDay(p);
    EXPECT_EQ(p.dayProgress[0], 3);

    // Day 3 finished on Monday: Tuesday gives day 4 with its date.
    p.AdvanceDay(L"tue2");
    EXPECT_EQ(p.dayProgress[0], 4);
    EXPECT_EQ(p.dayDates[4], L"tue2");
    // Nothing completed on day 4: Wednesday keeps day 4 and its date.
    p.AdvanceDay(L"wed2");
    EXPECT_EQ(p.dayProgress[0], 4);
    EXPECT_EQ(p.lastDate, L"wed2");
    EXPECT_EQ(p.dayDates[4], L"tue2");
    EXPECT_EQ(p.dayDates[0], L"-");
    // One exercise done is enough for the next date to start day 5.
    p.dayProgress[2] = 4;
    p.AdvanceDay(L"thu2");
    EXPECT_EQ(p.dayProgress[0], 5);
}

TEST(TrainingPlan, PlanEndsAtTrainingDays) {
    Profile p;
    p.trainingDays = 15;
    for (int day = 1; day <= 14; ++day) {
        EXPECT_TRUE(p.AdvanceDay(L"date" + std::to_wstring(day)));
        EXPECT_EQ(p.dayProgress[0], day);
        FinishDay(p);
    }
    EXPECT_FALSE(p.AdvanceDay(L"date15"));
    EXPECT_EQ(p.dayProgress[0], 15);
    EXPECT_EQ(p.dayDates[14], L"date14");
    EXPECT_EQ(p.dayDates[15], L"-");  // dates are kept below trainingDays only
    FinishDay(p);
    EXPECT_TRUE(p.IsDayFinished());
    p.AdvanceDay(L"date16");
    EXPECT_EQ(p.dayProgress[0], 15);
    for (int g = 1; g <= 9; ++g) EXPECT_FALSE(p.IsPlayable(g)) << g;

    // Damaged progress far beyond the plan stays in bounds.
    p.dayProgress[3] = 1000;
    p.trainingDays = 25;
    EXPECT_EQ(p.CompletedDays(), 25);
    p.AdvanceDay(L"date17");
    EXPECT_EQ(p.dayProgress[0], 25);
}

TEST(TrainingPlan, BehindExercisesStayPlayableAndSwitchedOffOnesAreNot) {
    Profile p;
    p.dayProgress = {3, 3, 3, 3, 3, 1, 3, 3, 3, 3};  // exercise 5 missed day 2 (done only on day 1)
    EXPECT_TRUE(p.IsPlayable(5));
    EXPECT_FALSE(p.IsPlayable(4));
    EXPECT_FALSE(p.IsPlayable(0));
    EXPECT_FALSE(p.IsPlayable(10));
    EXPECT_FALSE(p.IsDayFinished());
    ProfileFolder dir;
    p.folder = dir.Folder();
    p.FinishExercise(5, 4, 1);
    EXPECT_TRUE(p.IsPlayable(5));  // a second visit the same day
    p.FinishExercise(5, 5, 0);
    EXPECT_EQ(p.dayProgress[5], 3);
    EXPECT_FALSE(p.IsPlayable(5));
    EXPECT_EQ(p.span[5], 5);
    EXPECT_EQ(p.direction[5], 0);
    EXPECT_TRUE(p.IsDayFinished());
    EXPECT_TRUE(dir.Has("Noname.pro"));
    EXPECT_TRUE(dir.Has("Noname.sta"));
    EXPECT_FALSE(dir.Has("Noname.opt"));

    p.dayProgress[7] = 2;
    p.options.SetExerciseOn(7, 0);
    EXPECT_FALSE(p.IsPlayable(7));
    EXPECT_TRUE(p.IsDayFinished());  // switched-off exercises do not hold the day open
}

TEST(TrainingPlan, RewardAndDiplomaStages) {
    Profile p;
    p.dayProgress = {5, 5, 5, 5, 5, 5, 5, 5, 5, 4};
    EXPECT_FALSE(p.IsRewardDue(L"today"));
    p.dayProgress[9] = 5;
    EXPECT_TRUE(p.IsRewardDue(L"today"));
    EXPECT_TRUE(p.IsWeekEnd());
    p.rewardDate = L"today";
    EXPECT_FALSE(p.IsRewardDue(L"today"));

    const int stages[][2] = {{0, 0}, {1, 0}, {5, 0}, {6, 1}, {10, 1}, {11, 2}, {20, 3}, {21, 4}, {25, 4}};
    for (const auto& [days, stage] : stages) {
        p.dayProgress.fill(0);
        p.dayProgress[4] = days;
        EXPECT_EQ(p.DiplomaStage(), stage) << days;
    }
    p.dayProgress[4] = 40;
    EXPECT_EQ(p.DiplomaStage(), 4);
    p.dayProgress.fill(-3);
    EXPECT_EQ(p.CompletedDays(), 0);
    EXPECT_EQ(p.DiplomaStage(), 0);
}

TEST(TrainingPlan, LeavingTheDayEarlyNeedsAYesOnlyWhenSomethingIsBehind) {
    Headless os;
    ProfileFolder dir;
    Profile p;
    p.folder = dir.Folder();
    p.dayProgress = {4, 3, 3, 3, 3, 3, 3, 3, 3, 3};  // day 4, nothing done yet
    EXPECT_FALSE(p.DayUnfinished());
    EXPECT_TRUE(p.LeaveDay(false));

    p.dayProgress[2] = 4;
    p.dayProgress[8] = 4;
    EXPECT_TRUE(p.DayUnfinished());
    EXPECT_FALSE(p.LeaveDay(false));
    EXPECT_EQ(p.dayProgress[1], 3);
    EXPECT_FALSE(dir.Has("Noname.pro"));

    EXPECT_TRUE(p.LeaveDay(true));
    for (int g = 1; g <= 9; ++g) EXPECT_EQ(p.dayProgress[g], 4) << g;
    EXPECT_EQ(p.dayProgress[0], 4);
    EXPECT_TRUE(dir.Has("Noname.pro"));
    EXPECT_FALSE(dir.Has("Noname.sta"));

    // A switched-off exercise that is behind does not count.
    p.dayProgress[6] = 1;
    p.options.SetExerciseOn(6, 0);
    EXPECT_FALSE(p.DayUnfinished());
    EXPECT_TRUE(p.LeaveDay(false));
    EXPECT_TRUE(os.os->Questions().empty());  // rule code never asks
}

TEST(TrainingPlan, SwitchingOffNeedsAYesAndSwitchingOnJoinsAtTheCompletedDays) {
    Headless os;
    Profile p;
    p.dayProgress = {7, 6, 6, 6, 6, 6, 6, 2, 6, 6};
    EXPECT_FALSE(p.ToggleExercise(7, false));  // No keeps it on
    EXPECT_EQ(p.options.ExerciseOn(7), 1);
    EXPECT_TRUE(p.ToggleExercise(7, true));
    EXPECT_EQ(p.options.ExerciseOn(7), 0);

    EXPECT_TRUE(p.ToggleExercise(7, false));  // on again without a yes
    EXPECT_EQ(p.options.ExerciseOn(7), 1);
    EXPECT_EQ(p.dayProgress[7], 6);
    EXPECT_TRUE(p.IsPlayable(7));
    p.dayProgress[7]++;
    EXPECT_FALSE(p.IsPlayable(7));
    EXPECT_FALSE(p.ToggleExercise(0, true));
    EXPECT_FALSE(p.ToggleExercise(10, true));
    EXPECT_TRUE(os.os->Questions().empty());
}

TEST(TrainingPlan, TodayTextIsTheLocaleShortDate) {
    const std::wstring today = Profile::TodayText();
    EXPECT_FALSE(today.empty());
    EXPECT_LE(today.size(), 100u);
    EXPECT_NE(today, L"-");
}
