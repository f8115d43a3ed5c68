// Whole Ghost house sessions on the real frame (headless, shipped assets): the walk in, then a
// level-1 trainee plays eight backward rounds with solved, failed and timed-out trials, with
// the mouse, with the two switches and with the digit keys. Afterwards the coins, the
// backward statistics, the exercise's day, span and direction and the files are as the rules say.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <algorithm>

#include "exercises/GhostHouse.h"
#include "exercises/SessionFixture.h"

namespace {

class GhostHouseSession : public ExerciseSession<CGhostHouse, kGhostHouse> {
protected:
    void SetUp() override {
        ExerciseSession::SetUp();
        Begin();
    }
    // A button still hanging (picked ones are gone) that is not the expected one.
    int WrongButton(unsigned right) {
        const std::vector<int> seq = E().Sequence();
        for (int i = 1; i <= E().VisibleCount(); ++i)
            if (std::find(seq.begin(), seq.begin() + right + 1, i) == seq.begin() + right + 1) return i;
        return -1;
    }
    void Choose(int button) {
        if (!digits) return Pick(button);
        Settle();
        harness->Key('0' + button);
    }
    void Play() {
        EXPECT_EQ(E().Phase(), CGhostHouse::kEntering);
        const std::vector<int> spans = {2, 2, 2, 3, 3, 2, 2, 3};
        for (int round = 1; round <= 8; ++round) {
            StartTrial();
            ASSERT_EQ(E().Round(), round);
            ASSERT_EQ(E().Span(), spans[static_cast<size_t>(round - 1)]) << "round " << round;
            const std::vector<int> seq = E().Sequence();
            switch (round) {
                case 4:
                    Choose(seq[0]);
                    Choose(WrongButton(1));
                    EXPECT_EQ(E().Phase(), Wrong);
                    break;
                case 5: TimeOut(); break;
                case 8:
                    Choose(WrongButton(0));
                    EXPECT_EQ(E().Phase(), Wrong);
                    break;
                default:
                    for (int button : seq) Choose(button);
                    EXPECT_EQ(E().Phase(), CGhostHouse::kRevealing);
                    break;
            }
        }
        ASSERT_TRUE(FinishSession());

        EXPECT_EQ(P().coins, 7 + 5);
        Profile disk;
        ASSERT_TRUE(folder.Has("Tester.sta"));
        LoadFromDisk(disk);
        EXPECT_EQ(disk.coins, 12);
        for (const Profile* q : {static_cast<const Profile*>(&P()), static_cast<const Profile*>(&disk)}) {
            const auto& s = q->stats;
            // Backward items are worth span + 8.
            EXPECT_EQ(s.itemsBackward[0][kGhostHouse][2], 10);
            EXPECT_EQ(s.points[0][kGhostHouse][2], 100);
            EXPECT_EQ(s.itemsBackward[0][kGhostHouse][3], 1);
            EXPECT_EQ(s.points[0][kGhostHouse][3], 11);
            EXPECT_EQ(s.errorsBackward[0][kGhostHouse][3], 3);
            EXPECT_EQ(s.itemsForward[0][kGhostHouse][2] + s.errorsForward[0][kGhostHouse][3], 0);
            EXPECT_EQ(q->dayProgress[kGhostHouse], 1);
            EXPECT_EQ(q->span[kGhostHouse], 3);
            EXPECT_EQ(q->direction[kGhostHouse], 1);
            for (int g : {1, 2, 3, 4, 5, 7, 8, 9}) EXPECT_EQ(q->dayProgress[static_cast<size_t>(g)], 0);
        }
    }
    bool digits = false;
};

TEST_P(GhostHouseSession, WholeSession) { Play(); }

// The digit keys stand in for the clicks (keys, not the pointer, choose the items).
class GhostHouseSessionWithDigits : public GhostHouseSession {};

TEST_P(GhostHouseSessionWithDigits, WholeSession) {
    digits = true;
    Play();
}

INSTANTIATE_TEST_SUITE_P(Inputs, GhostHouseSession, ::testing::Values(Input::Mouse, Input::Switches), InputName);
INSTANTIATE_TEST_SUITE_P(DigitKeys, GhostHouseSessionWithDigits, ::testing::Values(Input::Mouse));

}  // namespace
