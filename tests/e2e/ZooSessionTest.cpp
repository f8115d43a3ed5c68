// A whole Zoo session on the real frame (headless, shipped assets): a level-1 trainee plays
// eight rounds with solved, failed and timed-out trials, once with the mouse and once with
// the two switches. Afterwards the coins, the statistics, the exercise's day, span and
// direction and the files on disk are as the rules say, and the frame is back on the menu.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include "exercises/SessionFixture.h"
#include "exercises/Zoo.h"

namespace {

class ZooSession : public ExerciseSession<CZoo, kZoo> {
protected:
    void SetUp() override {
        ExerciseSession::SetUp();
        Begin();
    }
    // An animal that is out but not the one expected next (picked animals stay out).
    void FailAfter(unsigned right) {
        const int expected = E().Sequence()[right];
        int wrong = -1;
        for (int i = 0; i < CZoo::kAnimalCount && wrong < 0; ++i)
            if (E().Animal(i).visible && i != expected) wrong = i;
        ExerciseSession::FailAfter(right, wrong);
    }
};

TEST_P(ZooSession, WholeSession) {
    const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
    for (int round = 1; round <= 8; ++round) {
        StartTrial();
        ASSERT_EQ(E().Round(), round);
        ASSERT_EQ(E().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
        ASSERT_EQ(E().VisibleCount(), 6);
        switch (round) {
            case 4: FailAfter(1); break;  // one animal right, then a wrong one
            case 5: TimeOut(); break;     // second failure in a row: back to span 2
            case 8: FailAfter(0); break;
            default: Solve(); break;
        }
    }
    ASSERT_TRUE(FinishSession());

    const Profile& p = P();
    EXPECT_EQ(p.coins, 7 + 5);
    EXPECT_EQ(p.dayProgress[kZoo], 1);
    EXPECT_EQ(p.span[kZoo], 3);
    EXPECT_EQ(p.direction[kZoo], 0);

    Profile disk;
    LoadFromDisk(disk);
    for (const Profile* q : {&p, static_cast<const Profile*>(&disk)}) {
        const auto& s = q->stats;
        EXPECT_EQ(s.itemsForward[0][kZoo][2], 10);
        EXPECT_EQ(s.points[0][kZoo][2], 20);
        EXPECT_EQ(s.errorsForward[0][kZoo][2], 0);
        EXPECT_EQ(s.itemsForward[0][kZoo][3], 1);
        EXPECT_EQ(s.points[0][kZoo][3], 3);
        EXPECT_EQ(s.errorsForward[0][kZoo][3], 3);
        EXPECT_EQ(s.itemsBackward[0][kZoo][2] + s.itemsBackward[0][kZoo][3], 0);
        EXPECT_EQ(s.itemsForward[0][kCans][2], 0);
    }
    EXPECT_EQ(disk.coins, 12);
    EXPECT_EQ(disk.dayProgress[kZoo], 1);
    EXPECT_EQ(disk.span[kZoo], 3);
    EXPECT_EQ(disk.direction[kZoo], 0);
    for (int g = 1; g <= 8; ++g) EXPECT_EQ(disk.dayProgress[static_cast<size_t>(g)], 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, ZooSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);

}  // namespace
