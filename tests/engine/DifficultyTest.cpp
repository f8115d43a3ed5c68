// Where a session starts, how span and direction follow the answers, points and rewards.
#include "engine/Difficulty.h"

#include <gtest/gtest.h>

#include "profiles/ProfileStats.h"

namespace {

using engine::Adaptation;

Adaptation Session(int saved, const std::wstring& level, int dir = 0, int maxSpan = 8) {
    Adaptation a;
    engine::StartSession(a, saved, dir, level, maxSpan);
    return a;
}

// Solves n sequences in a row.
void Solve(Adaptation& a, int n, int game, const std::wstring& level) {
    for (int i = 0; i < n; ++i) engine::OnSuccess(a, game, level);
}

TEST(Difficulty, StartingValues) {
    int saved = 0;
    Adaptation a;
    engine::StartSession(a, saved, 0, L"1", 8);
    EXPECT_EQ(saved, 2);
    EXPECT_EQ(a.span, 2);
    EXPECT_EQ(a.neededCorrect, 3);

    EXPECT_EQ(Session(0, L"2").span, 3);
    EXPECT_EQ(Session(0, L"3").neededCorrect, 2);
    // One step easier than the last session ended, never below 2.
    EXPECT_EQ(Session(5, L"1").span, 4);
    EXPECT_EQ(Session(2, L"1").span, 2);
    EXPECT_EQ(Session(3, L"2").span, 2);
    // The saved span is lowered in place, the session's span capped by the exercise.
    saved = 12;
    engine::StartSession(a, saved, 1, L"2", 8);
    EXPECT_EQ(saved, 11);
    EXPECT_EQ(a.span, 8);
    EXPECT_EQ(a.direction, 1);
}

TEST(Difficulty, LevelOneNeedsThreeInARowToGoUp) {
    Adaptation a = Session(0, L"1");
    Solve(a, 2, kCans, L"1");
    EXPECT_EQ(a.span, 2);
    EXPECT_EQ(a.correctStreak, 2);
    auto r = engine::OnSuccess(a, kCans, L"1");
    EXPECT_TRUE(r.streakReached);
    EXPECT_EQ(a.span, 3);
    EXPECT_EQ(a.correctStreak, 0);
}

TEST(Difficulty, TwoFailuresInARowLowerTheSpanAndShortenTheWayBack) {
    Adaptation a = Session(6, L"1");  // span 5
    engine::OnFailure(a, L"1");
    EXPECT_EQ(a.span, 5);
    EXPECT_EQ(a.wrongStreak, 1);
    engine::OnSuccess(a, kCans, L"1");  // a success in between clears the failure streak
    EXPECT_EQ(a.wrongStreak, 0);
    engine::OnFailure(a, L"1");
    engine::OnFailure(a, L"1");
    EXPECT_EQ(a.span, 4);
    EXPECT_EQ(a.neededCorrect, 2);
    EXPECT_EQ(a.wrongStreak, 0);
    EXPECT_EQ(a.correctStreak, 0);
    Solve(a, 2, kCans, L"1");
    EXPECT_EQ(a.span, 5);
    EXPECT_EQ(a.neededCorrect, 3);  // back to the normal streak after the step up

    // Never below 2.
    Adaptation low = Session(0, L"1");
    for (int i = 0; i < 6; ++i) engine::OnFailure(low, L"1");
    EXPECT_EQ(low.span, 2);
}

TEST(Difficulty, LevelThreeRecoversWithOneSolvedSequence) {
    Adaptation a = Session(5, L"3");  // span 4
    engine::OnFailure(a, L"3");
    engine::OnFailure(a, L"3");
    EXPECT_EQ(a.span, 3);
    EXPECT_EQ(a.neededCorrect, 1);
    engine::OnSuccess(a, kCans, L"3");
    EXPECT_EQ(a.span, 4);
    EXPECT_EQ(a.neededCorrect, 2);
}

TEST(Difficulty, LevelTwoRecoveryDependsOnTheStreakBefore) {
    Adaptation a = Session(5, L"2");
    Solve(a, 2, kCans, L"2");
    engine::OnFailure(a, L"2");
    engine::OnFailure(a, L"2");
    EXPECT_EQ(a.neededCorrect, 1);

    Adaptation b = Session(5, L"2");
    Solve(b, 1, kCans, L"2");
    engine::OnFailure(b, L"2");
    engine::OnFailure(b, L"2");
    EXPECT_EQ(b.neededCorrect, 2);
}

TEST(Difficulty, CansTurnsBackwardAtSixAndNeverPassesEight) {
    Adaptation a = Session(7, L"2");  // span 6 forward
    Solve(a, 2, kCans, L"2");
    a.wrongStreak = 1;
    auto r = engine::OnSuccess(a, kCans, L"2");
    EXPECT_TRUE(r.switchedToBackward);
    EXPECT_EQ(a.direction, 1);
    EXPECT_EQ(a.span, 3);
    EXPECT_EQ(a.wrongStreak, 1);  // the turn ends the rule: the failure streak stays

    Adaptation one = Session(7, L"1");
    Solve(one, 3, kCans, L"1");
    EXPECT_EQ(one.span, 2);
    EXPECT_EQ(one.direction, 1);

    // Backward at 6 simply goes on to 7.
    Adaptation back = Session(7, L"1", 1);
    Solve(back, 3, kCans, L"1");
    EXPECT_EQ(back.span, 7);
    EXPECT_EQ(back.direction, 1);

    Adaptation top = Session(9, L"1", 1);
    ASSERT_EQ(top.span, 8);
    Solve(top, 3, kCans, L"1");
    EXPECT_EQ(top.span, 8);
}

TEST(Difficulty, RowsOfTheOtherExercises) {
    // Paint: the turn also shows four pots; above 4 eight are shown.
    Adaptation paint = Session(5, L"1");
    paint.visibleCount = 4;
    Solve(paint, 3, kPaint, L"1");
    EXPECT_EQ(paint.span, 5);
    EXPECT_EQ(paint.visibleCount, 8);
    Adaptation paint6 = Session(7, L"1");
    paint6.visibleCount = 8;
    Solve(paint6, 3, kPaint, L"1");
    EXPECT_EQ(paint6.visibleCount, 4);
    EXPECT_EQ(paint6.direction, 1);

    // Treasure: more coins once the span outgrows them, at most 9.
    Adaptation t = Session(7, L"1");
    t.visibleCount = 6;
    Solve(t, 3, kTreasure, L"1");
    EXPECT_EQ(t.span, 7);
    EXPECT_EQ(t.visibleCount, 9);
    t.span = 9;
    Solve(t, 3, kTreasure, L"1");
    EXPECT_EQ(t.span, 9);

    Adaptation space = Session(11, L"1");
    space.visibleCount = 6;
    ASSERT_EQ(space.span, 8);
    Solve(space, 3, kSpace, L"1");
    EXPECT_EQ(space.visibleCount, 10);
    Solve(space, 6, kSpace, L"1");
    EXPECT_EQ(space.span, 10);

    // Paris wheel: 6 of 6 opens the eight-wagon wheel; at 8 it tells the exercise.
    Adaptation wheel = Session(7, L"1");
    wheel.visibleCount = 6;
    Solve(wheel, 3, kParisWheel, L"1");
    EXPECT_EQ(wheel.visibleCount, 8);
    EXPECT_EQ(wheel.span, 7);
    Solve(wheel, 3, kParisWheel, L"1");
    Solve(wheel, 2, kParisWheel, L"1");
    auto r = engine::OnSuccess(wheel, kParisWheel, L"1");
    EXPECT_TRUE(r.wasAtEight);
    EXPECT_EQ(wheel.span, 8);

    // The pond grows by two at 4, 6 and 8; at 10 it tells the exercise.
    Adaptation pond = Session(5, L"1");
    pond.visibleCount = 4;
    Solve(pond, 3, kThePond, L"1");
    EXPECT_EQ(pond.visibleCount, 6);
    EXPECT_EQ(pond.span, 5);
    pond.span = 10;
    pond.visibleCount = 10;
    Solve(pond, 2, kThePond, L"1");
    EXPECT_TRUE(engine::OnSuccess(pond, kThePond, L"1").wasAtTen);
    EXPECT_EQ(pond.span, 10);

    // Zoo: the span never passes the animals shown.
    Adaptation zoo = Session(7, L"1");
    zoo.visibleCount = 6;
    Solve(zoo, 3, kZoo, L"1");
    EXPECT_EQ(zoo.visibleCount, 8);
    EXPECT_EQ(zoo.span, 7);
    Adaptation zoo7 = Session(8, L"1");
    zoo7.visibleCount = 8;
    Solve(zoo7, 3, kZoo, L"1");
    EXPECT_EQ(zoo7.span, 8);
    EXPECT_EQ(zoo7.visibleCount, 8);

    Adaptation circle = Session(9, L"1");
    Solve(circle, 3, kTheCircle, L"1");
    EXPECT_EQ(circle.span, 8);
    EXPECT_EQ(circle.direction, 0);
}

TEST(Difficulty, RewardStages) {
    for (int day = 0; day <= 4; ++day) EXPECT_FALSE(engine::RewardDue(day, true, 100));
    EXPECT_FALSE(engine::RewardDue(25, true, 100));
    EXPECT_TRUE(engine::RewardDue(5, true, 25));
    EXPECT_FALSE(engine::RewardDue(9, true, 24));
    EXPECT_TRUE(engine::RewardDue(10, true, 33));
    EXPECT_FALSE(engine::RewardDue(14, true, 32));
    EXPECT_FALSE(engine::RewardDue(15, true, 65));
    EXPECT_TRUE(engine::RewardDue(19, true, 66));
    EXPECT_FALSE(engine::RewardDue(20, true, 79));
    EXPECT_TRUE(engine::RewardDue(24, true, 80));
    EXPECT_FALSE(engine::RewardDue(24, false, 100));  // the option off wins
}

TEST(Difficulty, OneSwitchAnswerTimeGrowsWithTheListAndTheSequence) {
    struct Case {
        int intervalMs, entries;
        size_t items;
        uint32_t ms;
    } cases[] = {
        {0, 9, 5, 40000},                    // mouse and two switches
        {3000, 9, 4, 40000 + 4 * 9 * 3000},  // each item may cost a whole round of the list
        {5000, 9, 5, 40000 + 5 * 9 * 5000},
        {1000, 0, 3, 40000},                          // nothing to step over
        {5000, 1 << 30, 1 << 30, 24u * 3600 * 1000},  // capped, never wrapping
    };
    for (const Case& c : cases)
        EXPECT_EQ(engine::AnswerTimeMs(c.intervalMs, c.entries, c.items), c.ms) << c.intervalMs << " " << c.entries;
}

TEST(Difficulty, PointsPerItemAndPerDay) {
    ProfileStats stats;
    stats.CountItem(3, kCans, 4, true);
    stats.CountItem(3, kCans, 4, false);
    stats.CountItem(3, kCans, 2, false);
    EXPECT_EQ(stats.points[3][kCans][4], 12 + 4);
    EXPECT_EQ(engine::DayPoints(stats, 3, kCans), 18);
    EXPECT_EQ(engine::DayPoints(stats, 4, kCans), 0);
    EXPECT_EQ(engine::DayPoints(stats, 25, kCans), 0);
    EXPECT_EQ(engine::DayPoints(stats, -1, kCans), 0);
    stats.CountItem(3, kSpace, 10, false);  // span 10 is outside the tables
    EXPECT_EQ(engine::DayPoints(stats, 3, kSpace), 0);
    // Cells as large as a cell holds add up without overflowing, held to the int range.
    for (auto& cell : stats.points[5][kCans]) cell = INT32_MAX;
    EXPECT_EQ(engine::DayPoints(stats, 5, kCans), INT32_MAX);
    for (auto& cell : stats.points[5][kCans]) cell = INT32_MIN;
    EXPECT_EQ(engine::DayPoints(stats, 5, kCans), INT32_MIN);
}

}  // namespace
