// Whole Treasure sessions on the real frame (headless, shipped assets): a level-1 trainee plays
// eight rounds with solved, failed and timed-out trials, with the mouse, with the two switches
// (Space steps, Enter selects) and with the digit keys. Afterwards the coins, the statistics,
// the exercise's day, span and direction and the files on disk are as the rules say.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include "exercises/SessionFixture.h"
#include "exercises/Treasure.h"

namespace {

class TreasureSession : public ExerciseSession<CTreasure, kTreasure> {
protected:
    void SetUp() override {
        ExerciseSession::SetUp();
        Begin();
    }
    // A coin of the six that is not the expected one.
    int WrongCoin(unsigned right) { return E().Sequence()[right] == 1 ? 2 : 1; }
    void Choose(int coin) {
        if (!digits) return Pick(coin);
        Settle();
        harness->Key('0' + coin);
    }
    void Play() {
        const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
        for (int round = 1; round <= 8; ++round) {
            StartTrial();
            ASSERT_EQ(E().Round(), round);
            ASSERT_EQ(E().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
            ASSERT_EQ(E().VisibleCount(), 6);
            const std::vector<int> seq = E().Sequence();
            switch (round) {
                case 4:  // one coin right, then a wrong one
                    Choose(seq[0]);
                    Choose(WrongCoin(1));
                    EXPECT_EQ(E().Phase(), Wrong);
                    break;
                case 5: TimeOut(); break;  // second failure in a row: back to span 2
                case 8:
                    Choose(WrongCoin(0));
                    EXPECT_EQ(E().Phase(), Wrong);
                    break;
                default:  // three in a row reach span 3; after the drop two do
                    for (int coin : seq) Choose(coin);
                    EXPECT_EQ(E().Phase(), Correct);
                    break;
            }
        }
        ASSERT_TRUE(FinishSession());

        EXPECT_EQ(P().coins, 7 + 5);
        Profile disk;
        ASSERT_TRUE(folder.Has("Tester.pro"));
        LoadFromDisk(disk);
        EXPECT_EQ(disk.coins, 12);
        // The trainee's record and the files on disk say the same.
        for (const Profile* q : {static_cast<const Profile*>(&P()), static_cast<const Profile*>(&disk)}) {
            const auto& s = q->stats;
            EXPECT_EQ(s.itemsForward[0][kTreasure][2], 10);
            EXPECT_EQ(s.points[0][kTreasure][2], 20);
            EXPECT_EQ(s.errorsForward[0][kTreasure][2], 0);
            EXPECT_EQ(s.itemsForward[0][kTreasure][3], 1);
            EXPECT_EQ(s.points[0][kTreasure][3], 3);
            EXPECT_EQ(s.errorsForward[0][kTreasure][3], 3);
            EXPECT_EQ(s.itemsBackward[0][kTreasure][2] + s.itemsBackward[0][kTreasure][3], 0);
            EXPECT_EQ(q->dayProgress[kTreasure], 1);
            EXPECT_EQ(q->span[kTreasure], 3);
            EXPECT_EQ(q->direction[kTreasure], 0);
            for (int g : {1, 3, 4, 5, 6, 7, 8, 9}) EXPECT_EQ(q->dayProgress[static_cast<size_t>(g)], 0);
        }
    }
    bool digits = false;
};

TEST_P(TreasureSession, WholeSession) { Play(); }

// The digit keys stand in for the clicks (keys, not the pointer, choose the items).
class TreasureSessionWithDigits : public TreasureSession {};

TEST_P(TreasureSessionWithDigits, WholeSession) {
    digits = true;
    Play();
}

INSTANTIATE_TEST_SUITE_P(Inputs, TreasureSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);
INSTANTIATE_TEST_SUITE_P(DigitKeys, TreasureSessionWithDigits, ::testing::Values(Input::Mouse));

}  // namespace
