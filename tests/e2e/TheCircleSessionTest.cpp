// A whole session of The circle on the real frame (headless, shipped assets): a level-1
// trainee plays eight rounds, finding the animal, choosing a wrong lamp and letting the time
// run out, once with the mouse and once with the two switches. Afterwards the coins, the
// statistics, the exercise's day, span and direction and the files on disk are as the rules
// say, and the frame is back on the menu.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include "exercises/SessionFixture.h"
#include "exercises/TheCircle.h"

namespace {

class TheCircleSession : public ExerciseSession<CTheCircle, kTheCircle> {
protected:
    void SetUp() override {
        ExerciseSession::SetUp();
        Begin();
    }
    // One click decides: the lamp of the animal in the middle, or any other.
    void Find() {
        Pick(E().TargetPosition());
        EXPECT_EQ(E().Phase(), Correct);
    }
    void Miss() { FailAfter(0, (E().TargetPosition() + 3) % CTheCircle::kLampCount); }
};

TEST_P(TheCircleSession, WholeSession) {
    const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
    for (int round = 1; round <= 8; ++round) {
        StartTrial();
        ASSERT_EQ(E().Round(), round);
        ASSERT_EQ(E().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
        switch (round) {
            case 4:
            case 8: Miss(); break;
            case 5: TimeOut(); break;  // second failure in a row: back to span 2
            default: Find(); break;
        }
    }
    ASSERT_TRUE(FinishSession());

    const Profile& p = P();
    EXPECT_EQ(p.coins, 7 + 5);
    EXPECT_EQ(p.dayProgress[kTheCircle], 1);
    EXPECT_EQ(p.span[kTheCircle], 3);
    EXPECT_EQ(p.direction[kTheCircle], 0);

    Profile disk;
    LoadFromDisk(disk);
    for (const Profile* q : {&p, static_cast<const Profile*>(&disk)}) {
        const auto& s = q->stats;
        EXPECT_EQ(s.itemsForward[0][kTheCircle][2], 5);  // one item per trial found
        EXPECT_EQ(s.points[0][kTheCircle][2], 10);
        EXPECT_EQ(s.errorsForward[0][kTheCircle][2], 0);
        EXPECT_EQ(s.itemsForward[0][kTheCircle][3], 0);
        EXPECT_EQ(s.errorsForward[0][kTheCircle][3], 3);
        EXPECT_EQ(s.itemsBackward[0][kTheCircle][2] + s.errorsBackward[0][kTheCircle][3], 0);
    }
    EXPECT_EQ(disk.coins, 12);
    EXPECT_EQ(disk.dayProgress[kTheCircle], 1);
    EXPECT_EQ(disk.span[kTheCircle], 3);
    EXPECT_EQ(disk.direction[kTheCircle], 0);
    for (int g : {1, 2, 3, 5, 6, 7, 8, 9}) EXPECT_EQ(disk.dayProgress[static_cast<size_t>(g)], 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, TheCircleSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);

}  // namespace
