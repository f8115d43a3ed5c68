// Counting items and errors, and the daily and weekly views built from the counts.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "profiles/ProfileStats.h"

TEST(ProfileStats, ItemsAndErrorsMakeTheDailyFigures) {
    auto s = std::make_unique<ProfileStats>();
    for (int i = 0; i < 3; ++i) s->CountItem(2, 4, 4, false);
    s->CountError(2, 4, 4, false);
    EXPECT_EQ(s->itemsForward[2][4][4], 3);
    EXPECT_EQ(s->errorsForward[2][4][4], 1);
    EXPECT_EQ(s->points[2][4][4], 12);
    s->ComputeViews();
    EXPECT_FLOAT_EQ(s->dayItems[2][4], 3.0f);
    EXPECT_FLOAT_EQ(s->dayErrors[2][4], 1.0f);
    EXPECT_FLOAT_EQ(s->dayScore[2][4], 3.0f);
    EXPECT_FLOAT_EQ(s->dayBestForward[2][4], 4.0f);
    EXPECT_FLOAT_EQ(s->dayBestBackward[2][4], -1.0f);
    // Not played: empty values.
    EXPECT_FLOAT_EQ(s->dayScore[3][4], -1.0f);
    EXPECT_FLOAT_EQ(s->dayBestForward[3][4], -1.0f);
    EXPECT_FLOAT_EQ(s->dayItems[3][4], 0.0f);

    // Backward items earn 8 more each.
    for (int i = 0; i < 3; ++i) s->CountItem(5, 1, 4, true);
    s->CountError(5, 1, 4, true);
    EXPECT_EQ(s->points[5][1][4], 36);
    EXPECT_EQ(s->itemsBackward[5][1][4], 3);
    EXPECT_EQ(s->errorsBackward[5][1][4], 1);
    s->CountItem(5, 1, 2, false);
    s->CountItem(5, 1, 7, true);
    s->ComputeViews();
    EXPECT_FLOAT_EQ(s->dayScore[5][1], (36.0f + 2 + 15) / 6.0f);
    EXPECT_FLOAT_EQ(s->dayBestBackward[5][1], 7.0f);
    EXPECT_FLOAT_EQ(s->dayBestForward[5][1], 2.0f);
}

TEST(ProfileStats, CallsOutsideTheTablesRecordNothing) {
    auto s = std::make_unique<ProfileStats>();
    const auto before = std::make_unique<ProfileStats>();
    s->CountItem(0, 1, 10, false);
    s->CountItem(25, 1, 3, false);
    s->CountItem(0, 10, 3, true);
    s->CountItem(-1, 1, 3, false);
    s->CountError(0, -1, 3, false);
    s->CountError(0, 1, -2, true);
    s->CountError(25, 1, 1, true);
    EXPECT_EQ(std::memcmp(s->itemsForward, before->itemsForward, sizeof s->itemsForward), 0);
    EXPECT_EQ(std::memcmp(s->itemsBackward, before->itemsBackward, sizeof s->itemsBackward), 0);
    EXPECT_EQ(std::memcmp(s->errorsForward, before->errorsForward, sizeof s->errorsForward), 0);
    EXPECT_EQ(std::memcmp(s->errorsBackward, before->errorsBackward, sizeof s->errorsBackward), 0);
    EXPECT_EQ(std::memcmp(s->points, before->points, sizeof s->points), 0);
    s->CountItem(24, 9, 9, true);
    EXPECT_EQ(s->points[24][9][9], 17);
}

TEST(ProfileStats, WeeklyViews) {
    auto s = std::make_unique<ProfileStats>();
    s->CountItem(0, 3, 2, false);  // week 0: 2 points
    s->CountItem(4, 3, 5, false);  // week 0: 5 points
    s->CountError(4, 3, 5, false);
    s->CountItem(3, 3, 4, true);    // 12 points backward
    s->CountItem(7, 3, 6, false);   // week 1
    s->CountItem(24, 3, 3, false);  // week 4, the last day
    s->ComputeViews();
    EXPECT_FLOAT_EQ(s->weekPoints[0][3], 19.0f);
    EXPECT_FLOAT_EQ(s->weekAttempts[0][3], 4.0f);
    EXPECT_FLOAT_EQ(s->weekScore[0][3], 19.0f / 4.0f);
    EXPECT_FLOAT_EQ(s->weekBestForward[0][3], 5.0f);
    EXPECT_FLOAT_EQ(s->weekBestBackward[0][3], 4.0f);
    EXPECT_FLOAT_EQ(s->weekScore[1][3], 6.0f);
    EXPECT_FLOAT_EQ(s->weekBestBackward[1][3], -1.0f);
    EXPECT_FLOAT_EQ(s->weekScore[4][3], 3.0f);
    EXPECT_FLOAT_EQ(s->weekScore[0][2], -1.0f);  // no attempt that week
    EXPECT_FLOAT_EQ(s->weekAttempts[0][2], 0.0f);

    // Every run starts from scratch, and a cleared cell goes back to its empty value.
    s->ComputeViews();
    EXPECT_FLOAT_EQ(s->weekPoints[0][3], 19.0f);
    s->itemsForward[4][3][5] = 0;
    s->ComputeViews();
    EXPECT_FLOAT_EQ(s->weekBestForward[0][3], 2.0f);
    s->ClearStats();
    EXPECT_EQ(s->points[0][3][2], 0);
    EXPECT_FLOAT_EQ(s->weekScore[0][3], -1.0f);
    EXPECT_FLOAT_EQ(s->dayScore[0][3], -1.0f);
    EXPECT_FLOAT_EQ(s->weekPoints[0][3], 0.0f);
}

TEST(ProfileStats, DamagedCountsDoNotOverflow) {
    auto s = std::make_unique<ProfileStats>();
    s->itemsForward[1][1][1] = INT32_MAX;
    s->points[1][1][1] = INT32_MAX;
    s->CountItem(1, 1, 1, false);
    EXPECT_EQ(s->itemsForward[1][1][1], INT32_MAX);
    for (int sp = 0; sp < 10; ++sp) s->errorsBackward[2][2][sp] = INT32_MIN;
    s->ComputeViews();
    EXPECT_GT(s->dayItems[1][1], 2e9f);
    EXPECT_FLOAT_EQ(s->dayScore[2][2], -1.0f);
}
