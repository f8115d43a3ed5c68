// A whole Cans session on the real frame (headless, shipped assets): a level-1 trainee plays
// eight rounds with solved, failed and timed-out trials, once with the mouse and once with
// the two switches (Space steps, Enter selects). Afterwards the coins, the statistics, the
// exercise's day, span and direction and the files on disk are as the rules say, and the
// frame is back on the menu.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "exercises/Cans.h"
#include "exercises/SessionFixture.h"

namespace {

class CansSession : public ExerciseSession<CCans, kCans> {
protected:
    void SetUp() override {
        ExerciseSession::SetUp();
        Begin();
    }
    CCans& C() { return E(); }
    // A can not yet picked (picked ones have left the switch list) and not the expected one.
    int WrongCan(unsigned right) {
        const std::vector<int> seq = C().Sequence();
        for (int i = 0; i < CCans::kCanCount; ++i)
            if (C().Can(i).visible && std::find(seq.begin(), seq.begin() + right + 1, i) == seq.begin() + right + 1)
                return i;
        return -1;
    }
    void FailAfter(unsigned right) { ExerciseSession::FailAfter(right, WrongCan(right)); }
};

TEST_P(CansSession, WholeSession) {
    const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
    for (int round = 1; round <= 8; ++round) {
        StartTrial();
        ASSERT_EQ(C().Round(), round);
        ASSERT_EQ(C().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
        switch (round) {
            case 4: FailAfter(1); break;  // one item right, then a wrong can
            case 5: TimeOut(); break;     // second failure in a row: back to span 2
            case 8: FailAfter(0); break;
            default: Solve(); break;  // three in a row reach span 3; after the drop two do
        }
    }
    // Payout, the bag, and back to the menu.
    ASSERT_TRUE(FinishSession());

    const Profile& p = P();
    EXPECT_EQ(p.coins, 7 + 5);
    const auto& s = p.stats;
    EXPECT_EQ(s.itemsForward[0][kCans][2], 10);
    EXPECT_EQ(s.points[0][kCans][2], 20);
    EXPECT_EQ(s.errorsForward[0][kCans][2], 0);
    EXPECT_EQ(s.itemsForward[0][kCans][3], 1);
    EXPECT_EQ(s.points[0][kCans][3], 3);
    EXPECT_EQ(s.errorsForward[0][kCans][3], 3);
    EXPECT_EQ(s.itemsBackward[0][kCans][2] + s.itemsBackward[0][kCans][3], 0);
    EXPECT_EQ(p.dayProgress[kCans], 1);
    EXPECT_EQ(p.span[kCans], 3);
    EXPECT_EQ(p.direction[kCans], 0);

    // The files on disk say the same.
    ASSERT_TRUE(folder.Has("Tester.pro"));
    ASSERT_TRUE(folder.Has("Tester.sta"));
    Profile disk;
    LoadFromDisk(disk);
    EXPECT_EQ(disk.coins, 12);
    EXPECT_EQ(disk.dayProgress[kCans], 1);
    EXPECT_EQ(disk.span[kCans], 3);
    EXPECT_EQ(disk.direction[kCans], 0);
    EXPECT_EQ(disk.stats.itemsForward[0][kCans][2], 10);
    EXPECT_EQ(disk.stats.points[0][kCans][2], 20);
    EXPECT_EQ(disk.stats.itemsForward[0][kCans][3], 1);
    EXPECT_EQ(disk.stats.errorsForward[0][kCans][3], 3);
    for (int g = 2; g <= 9; ++g) EXPECT_EQ(disk.dayProgress[static_cast<size_t>(g)], 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CansSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);

}  // namespace
